#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser page computes number texts as the desktop does:

    test_numbertext.py NATIVE_PROGRAM BROWSER_BUILD.js NODE

Both are numbertext_agree.cpp, built natively and by emscripten for the page; their output
(number texts of 150,000 doubles and what the parser reads from 20,000 texts) must be the
same, line for line. The frequency's glass factor and the readout compare such texts.
"""

import subprocess
import sys


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    native_program, browser_js, node = sys.argv[1:]
    native = subprocess.run([native_program], capture_output=True, text=True, check=True).stdout
    try:
        browser = subprocess.run([node, browser_js], capture_output=True, text=True,
                                 check=True).stdout
    except FileNotFoundError:
        sys.exit("no %s; scripts/dev web builds it" % browser_js)
    native_lines, browser_lines = native.splitlines(), browser.splitlines()
    if len(native_lines) < 150000:
        sys.exit("the native program printed only %d lines" % len(native_lines))
    for n, (a, b) in enumerate(zip(native_lines, browser_lines), 1):
        if a != b:
            sys.exit("line %d: the desktop's %r, the page's %r" % (n, a, b))
    if len(native_lines) != len(browser_lines):
        sys.exit("%d lines from the desktop's build, %d from the page's"
                 % (len(native_lines), len(browser_lines)))
    print("%d lines agree" % len(native_lines))


if __name__ == "__main__":
    main()
