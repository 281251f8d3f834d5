#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of the run's boxes on a real X server.

    test_boxes_e2e.py RAVO_BINARY

1. Under a window manager (openbox), the main window is closed through the window manager
   while "Delete probability" is open: the box goes, and the program ends with status 0.
2. The same while the refusal of the frequency "abc" is open.
3. Without a window manager, the question is answered by a key sent straight to the box
   (as on-screen keyboards send keys); afterwards "Start" answers the mouse again.
Leaves no X server behind.
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import ravo_x11  # noqa: E402

FREQUENCY_BOX = (224, 24, 33, 19)
QUESTION = ravo_x11.QUESTION_TITLE
check = ravo_x11.check


def status_after_close(session, what):
    """Closes the main window through the window manager while `what` is open; returns
    ravo's exit status, or None if it still runs."""
    ravo_x11.ask_window_manager_to_close(session.display, session.window)
    try:
        status = session.ravo.wait(timeout=30)
    except subprocess.TimeoutExpired:
        return None
    session.ravo = None
    check(not session.find_windows(QUESTION), "the %s went with the window" % what)
    return status


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    started = time.monotonic()

    # 1. The question open, under a window manager.
    with ravo_x11.RavoSession(argv[1], window_manager=True) as session:
        session.run()
        session.click_control(ravo_x11.START_BUTTON)
        session.wait_for_window(QUESTION, 15)
        status = status_after_close(session, "question")
        check(status == 0, "closed with the question open, ravo ended with status %s" % status)

    # 2. The refusal open, under a window manager.
    with ravo_x11.RavoSession(argv[1], window_manager=True) as session:
        session.click_control(FREQUENCY_BOX)
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "abc")
        session.click_control(ravo_x11.START_BUTTON)
        session.wait_for_window(QUESTION, 15)
        status = status_after_close(session, "refusal")
        check(status == 0, "closed with the refusal open, ravo ended with status %s" % status)

    # 3. A key sent to the question box; then the mouse on "Start" again.
    with ravo_x11.RavoSession(argv[1]) as session:
        session.run()
        session.click_control(ravo_x11.START_BUTTON)
        box = session.wait_for_window(QUESTION, 15)
        session.xdotool("key", "--window", box, "Escape")
        session.wait_until(lambda: not session.find_windows(QUESTION), 15,
                           "the question to close")
        session.wait_for_status(lambda s: s.startswith("Finished"), 30, "the end of the run")
        session.click_control(ravo_x11.START_BUTTON)
        try:
            session.wait_for_window(QUESTION, 15)
            asked = True
        except ravo_x11.DriverError:
            asked = False
        check(asked, "after a key sent to the box, a click on \"Start\" starts a run again")
        if asked:
            session.answer_no()
    return ravo_x11.finish(started)


if __name__ == "__main__":
    ravo_x11.run_test(main)
