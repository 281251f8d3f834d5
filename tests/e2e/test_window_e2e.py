#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of the real program on a private X server.

    test_window_e2e.py RAVO_BINARY [SCALE]

Starts Xvfb and ravo, clicks "Start" where it stands on the screen, waits for the run to
end and checks from the window's pixels that the blue dots trace the peak at x = 514 and
that the three captions show; then clicks "Red", starts again, answers "No" to "Delete
probability" and checks that the blue and the red curve are both there, the red one
peaking farther from the lens, near x = 619. At scale 2 it also checks that the picture
is drawn at the screen's resolution rather than enlarged. Leaves no X server behind.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import ravo_x11  # noqa: E402

BLUE = (0, 0, 255)
RED = (255, 0, 0)

check = ravo_x11.check


class Curve:
    """The topmost pixel of one mark colour in each column of the marks' area, in layout
    pixels (x = 150 to 750, above the base line at y = 230.5)."""

    def __init__(self, session, image, colour):
        scale = session.scale
        self.tops = {}
        for x in range(150 * scale, 751 * scale):
            y = ravo_x11.topmost(image, x, colour, 20 * scale, 232 * scale)
            if y is not None:
                lx = x // scale
                self.tops[lx] = min(self.tops.get(lx, y / scale), y / scale)

    def peak(self):
        """(x, y) of the highest mark; when neighbouring dots reach the same pixel row, x is
        the middle of them all."""
        if not self.tops:
            return None
        top = min(self.tops.values())
        highest = [x for x, y in self.tops.items() if y == top]
        return (sum(highest) / len(highest), top)

    def top_near(self, x, reach=3):
        found = [self.tops[c] for c in range(x - reach, x + reach + 1) if c in self.tops]
        return min(found) if found else None


def check_captions(session, image, shown):
    for text, rect in ravo_x11.CAPTION_BOXES.items():
        span = session.caption_dark_span(image, rect)
        if not shown:
            check(span is None, "no %r before the first run" % text)
            continue
        x, _, w, _ = (v * session.scale for v in rect)
        ok = span is not None and span[0] - x <= 4 * session.scale and \
            span[1] - span[0] >= 0.6 * w and span[1] < x + w
        check(ok, "%r shows whole in its box (text columns %s, box %d..%d)"
              % (text, span, x, x + w - 1))


def check_blue(curve):
    peak = curve.peak()
    check(peak is not None and 511 <= peak[0] <= 517 and 52 <= peak[1] <= 58,
          "the highest blue dot is at x = 514, y = 56 (found %s)" % (peak,))
    for x, low, high in ((507, 55, 61), (521, 56, 63), (157, 225, 232)):
        top = curve.top_near(x, 1)
        check(top is not None and low <= top <= high,
              "blue dot at x = %d has its top within y = %d..%d (found %s)" % (x, low, high, top))
    if peak is not None:
        elsewhere = [y for x, y in curve.tops.items() if abs(x - 514) > 9]
        check(elsewhere and min(elsewhere) > peak[1] + 2,
              "every blue dot farther than 9 pixels from x = 514 lies lower")
    # 85 dots, 7 pixels apart: about 85 groups of columns.
    groups = sum(1 for x in curve.tops if x - 1 not in curve.tops)
    check(80 <= groups <= 85, "about 85 blue dots (found %d groups of columns)" % groups)


def check_crisp(session, image):
    """At scale 2 a picture enlarged from logical pixels consists of 2 x 2 blocks of equal
    pixels; drawn at the screen's resolution, the edges of the slanted arrows are not."""
    s = session.scale
    uneven = drawn = 0
    for y in range(270 * s, 312 * s, 2):
        for x in range(160 * s, 740 * s, 2):
            block = {image.pixel(x, y), image.pixel(x + 1, y), image.pixel(x, y + 1),
                     image.pixel(x + 1, y + 1)}
            if block != {ravo_x11.GREY}:
                drawn += 1
                uneven += len(block) > 1
    check(drawn > 1000 and uneven > drawn // 10,
          "the arrows are drawn at device resolution (%d of %d drawn blocks uneven)"
          % (uneven, drawn))


def main(argv):
    if len(argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    binary = argv[1]
    scale = int(argv[2]) if len(argv) == 3 else 1
    started = time.monotonic()
    screen = "%dx%dx24" % (1024 * scale, 768 * scale)
    with ravo_x11.RavoSession(binary, scale=scale, screen=screen) as session:
        x, y, width, height = session.geometry(session.window)
        check(width >= 800 * scale and height >= 581 * scale,
              "the client area is at least 800 x 581 (%d x %d at scale %d)"
              % (width, height, scale))
        check_captions(session, session.grab(), shown=False)

        image = session.run()
        print("first run done after %.1f s" % (time.monotonic() - started), flush=True)
        check_captions(session, image, shown=True)
        blue = Curve(session, image, BLUE)
        check_blue(blue)
        check(not Curve(session, image, RED).tops, "no red marks after a blue run")
        if scale > 1:
            check_crisp(session, image)

        image = session.run("Red", answer_no=True)
        print("second run done after %.1f s" % (time.monotonic() - started), flush=True)
        check_captions(session, image, shown=True)
        blue_after = Curve(session, image, BLUE)
        check(blue_after.top_near(514) == blue.top_near(514),
              "after \"No\" the blue peak is still there")
        red = Curve(session, image, RED)
        peak = red.peak()
        check(peak is not None and 615 <= peak[0] <= 623 and peak[1] < 150,
              "the highest red dot is near x = 619 (found %s)" % (peak,))
        red_at_blue_peak = red.top_near(514)
        check(peak is not None and red_at_blue_peak is not None and red_at_blue_peak > peak[1] + 5,
              "the red curve is lower at x = 514 than at its own peak")

        # "Exit" ends the program.
        session.click_control(ravo_x11.EXIT_BUTTON)
        try:
            status = session.ravo.wait(timeout=30)
        except Exception:
            status = None
        check(status == 0, "\"Exit\" ends the program cleanly (exit status %s)" % status)
    return ravo_x11.finish(started)


if __name__ == "__main__":
    ravo_x11.run_test(main)
