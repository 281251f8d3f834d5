#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader reads of Ravo's window: its accessible description, which
says where a run stands ("Held at point 14 of 85 ..."). Reads the accessibility bus of the
D-Bus session named by DBUS_SESSION_BUS_ADDRESS; exits 1 while no Ravo window is on it.

    a11y_status.py [--tree]     --tree: every named object, one per line, as role|name|description
"""

import sys

import pyatspi


def ravo_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower().startswith("ravo"):
            for window in app:
                if window is not None and window.name.startswith("Ravo - "):
                    return window
    return None


def walk(node, out):
    for child in node:
        if child is None:
            continue
        if child.name or child.description:
            out.append("%s|%s|%s" % (child.getRoleName(), child.name,
                                     child.description.replace("\n", " ")))
        walk(child, out)


def main():
    window = ravo_window()
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
