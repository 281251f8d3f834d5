#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader reads of Ravo's window: its accessible description, which
says where a run stands ("Held at point 14 of 85 ..."). Reads the accessibility bus of the
D-Bus session named by DBUS_SESSION_BUS_ADDRESS; exits 1 while no Ravo window is on it.

    a11y_status.py [--tree] [--box] [--focused] [--hidden-focusable]
        --tree: every named object shown, one per line, as role|name|description
        --box:  of the run's box (the question or the refusal, titled "Ravo") instead
        --focused: the object that has the focus, in any window of Ravo, as
                   window|role|name|description
        --hidden-focusable: every object not shown that still says it can take the focus,
                   one per line, as role|name (nothing, where there is none)
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


def focused():
    """The focused object in any of Ravo's windows, found by walking them."""
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None or not app.name.lower().startswith("ravo"):
            continue
        for window in app:
            if window is None:
                continue
            stack = [window]
            while stack:
                node = stack.pop()
                for child in node:
                    if child is None:
                        continue
                    if child.getState().contains(pyatspi.STATE_FOCUSED):
                        return "%s|%s|%s|%s" % (window.name, child.getRoleName(), child.name,
                                                child.description.replace("\n", " "))
                    stack.append(child)
    return None


def hidden_focusable(node, out):
    for child in node:
        if child is None:
            continue
        state = child.getState()
        if not state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_FOCUSABLE):
            out.append("%s|%s" % (child.getRoleName(), child.name))
        hidden_focusable(child, out)


def main():
    if "--focused" in sys.argv:
        found = focused()
        if found is None:
            return 1
        print(found)
        return 0
    window = ravo_window(box="--box" in sys.argv)
    if window is None:
        return 1
    if "--tree" in sys.argv:
        lines = []
        walk(window, lines)
        print("\n".join(lines))
    elif "--hidden-focusable" in sys.argv:
        lines = []
        hidden_focusable(window, lines)
        print("\n".join(lines))
    else:
        print(window.description)
    return 0


if __name__ == "__main__":
    sys.exit(main())
