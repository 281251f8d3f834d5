#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of the picture read with the keyboard alone, as a screen reader reads
it, on a real X server:

    test_reading_e2e.py RAVO_BINARY

No hidden control is offered as focusable. After a blue run, Shift+Tab from "Start" reaches
the picture (its last stop), which reads the model's peak, point 52 with P = 134.0; Right
reads point 53; Return opens the window that looks inside point 53, and Escape brings the
focus back to the picture at that mark. A second window, given a link of a blue run and a
kept red one as its argument, describes both runs' focus where the model has them.
Leaves no X server behind.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import ravo_x11  # noqa: E402

check = ravo_x11.check
# A blue run, then a red one whose question was answered "No".
LINK = "ravo1_V_F1R500I0.98C0H80DYMOS1A-PF_F0.5R500I0.98C0H80DYMOS1ANPF"


def key(session, name):
    session.xdotool("key", "--clearmodifiers", name)


def focused_name(session, wanted, timeout=15):
    """The focused object's name, once it starts with `wanted`."""
    seen = []

    def holds():
        found = session.focused()
        seen[:] = [found]
        return found is not None and found[2].startswith(wanted)

    if not session.holds_within(holds, timeout):
        raise ravo_x11.DriverError("the focus is not on %r but on %r" % (wanted, seen))
    return seen[0]


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    started = time.monotonic()
    with ravo_x11.RavoSession(argv[1]) as session:
        session.wait_for_status(lambda s: True, 15, "the window on the bus")
        hidden = session.hidden_focusable()
        check(not hidden, "no hidden control is offered as focusable (%s)" % hidden)
        session.run("Blue")  # which leaves the focus on "Start" ...
        key(session, "shift+Tab")  # ... and back to the picture, the last stop of Tab
        found = focused_name(session, "Run 1: point 52")
        check("x = 514: P = 134.0" in found[2], "the picture reads the peak: %r" % (found,))
        key(session, "Right")
        focused_name(session, "Run 1: point 53, x = 521")
        key(session, "Return")
        session.wait_for_window("Ravo - point 53 of run 1", 15)
        key(session, "Escape")
        back = focused_name(session, "Run 1: point 53")
        check(back[0].startswith("Ravo - "), "the focus is back in the main window: %r" % (back,))
        print("reading: Tab, arrows, Return and Escape as a screen reader reads them")
    with ravo_x11.RavoSession(argv[1], arguments=[LINK]) as session:
        described = []

        def both():
            tree = session.accessible_tree()
            described[:] = [text for role, name, text in tree if "comes to its focus" in text]
            return bool(described)

        session.wait_until(both, 30, "the picture described")
        text = described[0]
        for part in ("Run 1, blue", "focus at point 52, x = 514", "Run 2, red",
                     "focus at point 67, x = 619"):
            check(part in text, "the opened link's picture says %r" % part)
        print("link: the argument's runs drawn and described")
    print("e2e reading passed in %.1f s" % (time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
