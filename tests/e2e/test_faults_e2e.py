#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of what only a real X server shows: odd input, a covered window and
closing during a run.

    test_faults_e2e.py RAVO_BINARY

1. After a first run, "abc" is typed into the frequency box and "Start" pressed: the
   message appears, and once it is dismissed the picture is exactly as before.
2. A slower run is covered by another window and uncovered while it goes on: the window
   repaints the uncovered area at once, and the picture at the run's end is the same as
   that of the undisturbed first run.
3. A run at the slowest pace (one second before each of 85 detector points) is closed
   through the window's close request, as the window manager's close button sends it: the
   program ends, with exit status 0, long before the run could have.
Every step waits for what it needs to see, not for a time. Leaves no X server behind.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import ravo_x11  # noqa: E402

FREQUENCY_BOX = ravo_x11.rect("nKmitočet")
BLUE_BUTTON = ravo_x11.COLOUR_BUTTONS["Blue"]
SCROLL_BAR = ravo_x11.rect("HScroll1")
PICTURE = (0, 180, 800, 400)  # below the strip of controls: only the run draws here
BLUE = (0, 0, 255)

check = ravo_x11.check


def region(image, session, rect):
    x, y, w, h = (int(v * session.scale) for v in rect)
    return [image.pixel(cx, cy) for cy in range(y, y + h, 2) for cx in range(x, x + w)]


def differing(a, b, session, rect):
    return sum(1 for p, q in zip(region(a, session, rect), region(b, session, rect)) if p != q)


def drag_scroll_thumb(session, to_x):
    """Drags the scroll bar's thumb from its place at the left end to x (layout pixels);
    the slow-down is written once, when the thumb is released."""
    x, y, w, h = SCROLL_BAR
    wx, wy, _, _ = session.geometry(session.window)
    sx, sy = session.at(x + 17 + 4, y + h // 2)
    tx, _ = session.at(to_x, 0)
    session.xdotool("mousemove", "--sync", wx + sx, wy + sy)
    session.xdotool("mousedown", "1")
    session.xdotool("mousemove", "--sync", wx + tx, wy + sy)
    session.xdotool("mouseup", "1")


def answer(session, key):
    box = session.wait_for_window(ravo_x11.QUESTION_TITLE, 15)
    session.xdotool("windowfocus", "--sync", box)
    session.xdotool("key", "--clearmodifiers", key)
    session.wait_until(lambda: not session.find_windows(ravo_x11.QUESTION_TITLE), 15,
                       "the box to close")


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    started = time.monotonic()
    with ravo_x11.RavoSession(argv[1]) as session:
        first = session.run()

        # 1. A frequency that is no number.
        session.click_control(FREQUENCY_BOX)
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "abc")
        session.click_control(ravo_x11.START_BUTTON)
        box = session.wait_for_window(ravo_x11.QUESTION_TITLE, 15)
        check(bool(box), "a message titled \"Ravo\" answers the frequency \"abc\"")
        session.xdotool("windowfocus", "--sync", box)
        session.xdotool("key", "--clearmodifiers", "Return")
        session.wait_until(lambda: not session.find_windows(ravo_x11.QUESTION_TITLE), 15,
                           "the message to close")
        # A refused run draws nothing, before the message or after it.
        check(differing(first, session.grab(), session, PICTURE) == 0,
              "the refused run left the picture as it was")

        # 2. Covered and uncovered during a slower run.
        session.click_control(BLUE_BUTTON)
        drag_scroll_thumb(session, SCROLL_BAR[0] + 17 + 8)
        session.click_control(ravo_x11.START_BUTTON)
        answer(session, "Return")  # "Yes": everything is drawn anew
        # The run is drawing once the earlier blue peak is gone.
        session.wait_until(lambda: ravo_x11.topmost(session.grab(), 514, BLUE, 20, 232) is None,
                           30, "the erase of the earlier marks")
        wx, wy, _, _ = session.geometry(session.window)
        under = (100 - wx, 200 - wy, 500, 300)

        def white_under(image):
            return sum(1 for p in region(image, session, under) if p == (255, 255, 255))

        cover = subprocess.Popen(["xlogo", "-geometry", "500x300+100+200"],
                                 env=session._env(), stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
        try:
            session.wait_until(lambda: white_under(session.grab()) > 0, 30,
                               "the other window to cover the picture")
        finally:
            cover.terminate()
            cover.wait(timeout=30)
        # Nothing of the other window's white may remain where it stood: the window
        # repaints that area while the run goes on (its white arrows come only at the end).
        repainted = session.holds_within(lambda: white_under(session.grab()) == 0, 30)
        still_running = session.busy()
        check(repainted, "the uncovered area was repainted")
        check(still_running, "the run was still drawing when the window was repainted")
        same = session.holds_within(
            lambda: differing(first, session.grab(), session, PICTURE) == 0, 90)
        check(same, "after covering and uncovering the picture equals that of the first run")
        session.wait_until(lambda: not session.busy(), 30, "the end of the run")

        # 3. Closed at the slowest pace.
        drag_scroll_thumb(session, SCROLL_BAR[0] + SCROLL_BAR[2] + 40)
        session.click_control(ravo_x11.START_BUTTON)
        answer(session, "Escape")  # the question shows that the run has begun
        check(session.ravo.poll() is None, "the slowest run is going on")
        ravo_x11.request_close(session.display, session.window)
        # The run alone would take 85 seconds.
        try:
            status = session.ravo.wait(timeout=40)
        except subprocess.TimeoutExpired:
            status = None
        check(status == 0, "closed during the run, the program ended with status %s" % status)
    return ravo_x11.finish(started)


if __name__ == "__main__":
    ravo_x11.run_test(main)
