#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader reads of Ravo's window: its accessible description, which
says where a run stands ("Held at point 14 of 85 ..."). Reads the accessibility bus of the
D-Bus session named by DBUS_SESSION_BUS_ADDRESS; exits 1 while no Ravo window is on it.

    a11y_status.py [--tree] [--box]
        --tree: every named object shown, one per line, as role|name|description
        --box:  of the run's box (the question or the refusal, titled "Ravo") instead
"""

import sys

import pyatspi


def ravo_window(box=False):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower().startswith("ravo"):
            for window in app:
                if window is None:
                    continue
                if (window.name == "Ravo") if box else window.name.startswith("Ravo - "):
                    return window
    return None


def walk(node, out):
    for child in node:
        if child is None:
            continue
        # What a screen reader offers: objects on the screen (the hidden controls that keep
        # the program's settings are left out).
        if not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if child.name or child.description:
            out.append("%s|%s|%s" % (child.getRoleName(), child.name,
                                     child.description.replace("\n", " ")))
        walk(child, out)


def main():
    window = ravo_window(box="--box" in sys.argv)
    if window is None:
        return 1
    if "--tree" in sys.argv:
        lines = []
        walk(window, lines)
        print("\n".join(lines))
    else:
        print(window.description)
    return 0


if __name__ == "__main__":
    sys.exit(main())
