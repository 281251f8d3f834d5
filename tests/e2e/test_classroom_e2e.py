#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of holding a run in class and taking its picture away, on a real X
server.

    test_classroom_e2e.py RAVO_BINARY

1. At the slowest pace (one second per detector point) Space holds the run: the caption
   ends in " (paused)", the window tells a screen reader where it is held, and the picture
   holds exactly the marks of the points drawn.
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


def held_point(status):
    """The point of "Held at point 14 of 85 ..." or "Stopped at point 14 of 85"."""
    return int(status.split(" at point ")[1].split()[0])


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
        status = session.wait_for_status(lambda s: s.startswith("Held at point "), 10, "the hold")
        point = held_point(status)
        before = marks(session, session.grab())
        check(caption(session).endswith(" (paused)") and 2 <= before < 85 and before == point,
              "Space held the run at point %d with %d marks: %r" % (point, before, status))

        # 2. One mark per press.
        for name in ("Right", "Next"):
            key(session, name)
            status = session.wait_for_status(
                lambda s, p=point: s.startswith("Held at point %d " % (p + 1)), 10,
                "the hold after the next point")
            point += 1
            count = marks(session, session.grab())
            check(count == point and caption(session).endswith(" (paused)"),
                  "%s added exactly one mark and held again (%d marks)" % (name, count))

        # 3. The picture on the clipboard.
        key(session, "ctrl+c")
        shown = session.grab()
        found = []
        session.wait_until(lambda: found.append(clipboard_rgb(session)) or found[-1], 10,
                           "an image on the clipboard")
        copied = found[-1]
        _, _, width, height = session.geometry(session.window)
        expected = b"".join(row[: width * 3] for row in shown.rgb_rows()[:height])
        check(copied is not None and copied[:2] == (width, height) and copied[2] == expected,
              "Ctrl+C put the window as shown on the clipboard (%s)"
              % ("%d x %d" % copied[:2] if copied else "nothing"))

        # 4. Stopped.
        stopped_marks = marks(session, shown)
        key(session, "Escape")
        status = session.wait_for_status(lambda s: s.startswith("Stopped at point "), 10,
                                         "the stop")
        after = session.grab()
        check(not caption(session).endswith(" (paused)") and held_point(status) == point
              and marks(session, after) == stopped_marks == point
              and not session.captions_shown(after),
              "Escape stopped the run where it stood: %r, no captions" % status)

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
