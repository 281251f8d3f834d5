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

import ctypes
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import ravo_x11  # noqa: E402

FREQUENCY_BOX = (224, 24, 33, 19)
QUESTION = ravo_x11.QUESTION_TITLE
check = ravo_x11.check


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def ask_window_manager_to_close(display_name, window):
    """Asks the window manager to close the window, as a pager or a task bar does; the
    window manager then sends the window its close request."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(display_name.encode())
    if not display:
        raise ravo_x11.DriverError("cannot open display %s" % display_name)
    try:
        event = XEvent()
        event.xclient.type = 33  # ClientMessage
        event.xclient.window = window
        event.xclient.message_type = x11.XInternAtom(display, b"_NET_CLOSE_WINDOW", 0)
        event.xclient.format = 32
        event.xclient.data[0] = 0  # CurrentTime
        event.xclient.data[1] = 2  # from a pager
        substructure_redirect_and_notify = (1 << 20) | (1 << 19)
        x11.XSendEvent(display, x11.XDefaultRootWindow(display), 0,
                       substructure_redirect_and_notify, ctypes.byref(event))
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)


def status_after_close(session, what):
    """Closes the main window through the window manager while `what` is open; returns
    ravo's exit status, or None if it still runs."""
    ask_window_manager_to_close(session.display, session.window)
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
        session.wait_until_still(30)
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
