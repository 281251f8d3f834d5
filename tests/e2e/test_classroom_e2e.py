#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of holding a run in class and taking its picture away, on a real X
server.

    test_classroom_e2e.py RAVO_BINARY

1. At the slowest pace (one second per detector point) Space holds the run: the caption
   ends in " (paused)" and the picture stays still.
2. Right arrow, then Page Down, each add exactly one probability mark and hold again.
3. Ctrl+C while held puts the window, as shown, on the clipboard as a PNG image.
4. Escape stops the run at once: the caption is plain again and nothing more is drawn.
5. The next Start asks no question (the stopped run did not complete) and runs to its
   end, showing the captions.
Leaves no X server behind.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import ravo_x11  # noqa: E402

SCROLL_BAR = (416, 24, 121, 17)
BLUE = (0, 0, 255)

check = ravo_x11.check


def caption(session):
    _, out = session.xdotool("getwindowname", session.window)
    return out.strip()


def marks(session, image):
    """The detector points whose blue mark stands above the base line."""
    count = 0
    for i in range(1, 86):
        x, _ = session.at(150 + 7 * i, 0)
        top, bottom = session.at(0, 20)[1], session.at(0, 232)[1]
        if ravo_x11.topmost(image, x, BLUE, top, bottom) is not None:
            count += 1
    return count


def key(session, name):
    session.xdotool("windowfocus", "--sync", session.window)
    session.xdotool("key", "--clearmodifiers", name)


def clipboard_rgb(session):
    """The clipboard's PNG image as (width, height, packed RGB bytes), or None."""
    png = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"],
                         env=session._env(), capture_output=True, timeout=10)
    if png.returncode != 0 or not png.stdout:
        return None
    size = subprocess.run(["identify", "-format", "%w %h", "png:-"], input=png.stdout,
                          capture_output=True, timeout=10)
    raw = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=png.stdout,
                         capture_output=True, timeout=10)
    width, height = (int(v) for v in size.stdout.split())
    return width, height, raw.stdout


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    started = time.monotonic()
    with ravo_x11.RavoSession(argv[1]) as session:
        # The scroll bar to its slowest end, with the keyboard.
        session.click_control(SCROLL_BAR)
        key(session, "End")
        session.click_control(ravo_x11.START_BUTTON)
        session.wait_until(lambda: marks(session, session.grab()) >= 2, 15, "two marks")

        # 1. Held.
        key(session, "space")
        session.wait_until(lambda: caption(session).endswith(" (paused)"), 10, "the hold")
        held = session.wait_until_still(10, quiet=2.5)
        before = marks(session, held)
        check(caption(session).endswith(" (paused)") and 2 <= before < 85,
              "Space held the run after %d marks; the picture stayed still for 2.5 s" % before)

        # 2. One mark per press.
        for name in ("Right", "Next"):
            count = marks(session, session.grab())
            key(session, name)
            session.wait_until(lambda: marks(session, session.grab()) > count, 10,
                               "the next mark")
            image = session.wait_until_still(10, quiet=1.5)
            check(marks(session, image) == count + 1 and caption(session).endswith(" (paused)"),
                  "%s added exactly one mark and held again" % name)

        # 3. The picture on the clipboard.
        key(session, "ctrl+c")
        shown = session.grab()
        copied = None
        deadline = time.monotonic() + 10
        while copied is None and time.monotonic() < deadline:
            copied = clipboard_rgb(session)
        _, _, width, height = session.geometry(session.window)
        expected = b"".join(row[: width * 3] for row in shown.rgb_rows()[:height])
        check(copied is not None and copied[:2] == (width, height) and copied[2] == expected,
              "Ctrl+C put the window as shown on the clipboard (%s)"
              % ("%d x %d" % copied[:2] if copied else "nothing"))

        # 4. Stopped.
        stopped_marks = marks(session, shown)
        key(session, "Escape")
        session.wait_until(lambda: not caption(session).endswith(" (paused)"), 10,
                           "the plain caption")
        after = session.wait_until_still(10, quiet=1.5)
        check(marks(session, after) == stopped_marks and not session.captions_shown(after),
              "Escape stopped the run: no more marks, no captions")

        # 5. The next run asks nothing and completes.
        session.click_control(SCROLL_BAR)
        key(session, "Home")
        session.click_control(ravo_x11.START_BUTTON)
        session.wait_until(lambda: session.captions_shown(session.grab()), 30, "the captions")
        check(not session.find_windows(ravo_x11.QUESTION_TITLE),
              "the run after a stopped first run asked no question and completed")
    return ravo_x11.finish(started)


if __name__ == "__main__":
    ravo_x11.run_test(main)
