#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The picture read without the mouse, in headless Chromium:

    test_reading.py PAGE.html     (RAVO_AXE: axe-core's axe.min.js)

The picture takes the focus with Tab after the controls; its cursor walks from mark to mark
where the independent model (model.py) puts them, its words in the picture's name and read
out, in English and in Czech with the decimal comma; Return opens the inspector at the
cursor's mark and Escape brings the focus back to it; Shift+F10 opens the menu; a run's
keys stay the run's. The picture is described run by run, and the end of a run is read
out. Marks by shape give red and green marks shapes of their own, hidden marks leave no
mark's pixel, and either turned off gives the picture's pixels exactly as before; the legend
stands over the picture, never in it, and is copied with it. Listen plays the run, not
during a run, and says so where the browser has no sound. axe-core finds no violation of
WCAG 2.0, 2.1 and 2.2, A and AA, at load, after a run, with the question, the inspector and
the link's box open.
"""

import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from browser import Page, axe_source  # noqa: E402
import model  # noqa: E402
from test_page import COLOURS, dots  # noqa: E402

from selenium.webdriver.common.keys import Keys  # noqa: E402

PAGE = None
DOT_ROWS = 240
OVERLAY_SHOWN = ("return getComputedStyle(document.getElementById('overlay'))"
                 ".display !== 'none'")
WCAG = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]
BLUE_RUN = "blue, f = 1, dispersion on \u00b7 radius 500, index 0.98, whole lens, aperture 0"


def peak(points):
    return max(points, key=lambda p: p[2])


def words(run, point, settings=BLUE_RUN, decimal="."):
    i, x, p, _ = point
    return "Run %d: point %d, x = %d: P = %s \u00b7 %s" % (
        run, i, x, ("%.1f" % p).replace(".", decimal), settings)


def mark_rows(picture, colour, x, y):
    """The widths of the rows of pure-coloured pixels around design point (x, y), top down."""
    width, height, data = picture
    rgb = COLOURS[colour]
    rows = []
    for row in range(max(0, int(y) - 6), min(height, int(y) + 7)):
        count = sum(1 for col in range(int(x) - 4, int(x) + 5)
                    if tuple(data[(row * width + col) * 4:(row * width + col) * 4 + 3]) == rgb)
        if count:
            rows.append(count)
    return rows


def differing(a, b):
    """The places where two pictures of the same size differ."""
    width, height, da = a
    db = b[2]
    return {(i // 4 % width, i // 4 // width) for i in range(0, len(da), 4)
            if da[i:i + 3] != db[i:i + 3]}


def colour_at(picture, x, y):
    width, _, data = picture
    o = (y * width + x) * 4
    return tuple(data[o:o + 3])


class ReadingTest(unittest.TestCase):
    def run_to_end(self, page, answer=None):
        page.click('[data-control="cmdStart"]')
        if answer is not None:
            page.wait_for(lambda s: s["question"], "the question")
            page.click("#question-yes" if answer else "#question-no")
        return page.wait_for(lambda s: s["state"] == "Finished" and not s["running"],
                             "the run to finish")

    def three_runs(self, page):
        """Blue, then red and green, each keeping the marks before it."""
        self.run_to_end(page)
        page.click("#opČervený")
        self.run_to_end(page, answer=False)
        page.click("#OpZelená")
        return self.run_to_end(page, answer=False)

    def tab_to_picture(self, page):
        """Tab from the last control: the picture is next."""
        page.js("document.querySelector('[data-control=\"HScroll1\"]').focus()")
        page.keys(Keys.TAB)
        return page.wait_for(lambda s: s["focus"] == "picture", "the picture's focus")

    def open_menu_item(self, page, action):
        page.js("document.getElementById('picture').focus()")
        page.chord(Keys.SHIFT, Keys.F10)
        page.wait_for(lambda s: s["menu"], "the picture's menu")
        page.click('#menu [data-action="%s"]' % action)
        return page.wait_for(lambda s: not s["menu"], "the menu closed")

    def test_cursor_walks_the_marks(self):
        with Page(PAGE) as page:
            state = self.tab_to_picture(page)
            # No marks yet: that is what the picture says when it gets the focus.
            self.assertEqual((state["label"], state["reading"]), ("No marks yet.", "No marks yet."))
            self.assertIsNone(state["cursor"])

            self.run_to_end(page)
            blue = model.points("1")
            top = peak(blue)
            self.assertEqual(top[0], 52)
            state = self.tab_to_picture(page)
            self.assertEqual((state["label"], state["reading"]), (words(1, top), words(1, top)))
            self.assertAlmostEqual(state["cursor"]["at"][1], top[3], delta=0.01)
            drawn = page.pixels()

            # Along the run, to its ends and back: each mark's words as the model has them.
            for key, point in ((Keys.ARROW_LEFT, blue[50]), (Keys.ARROW_RIGHT, top),
                               (Keys.ARROW_RIGHT, blue[52]), (Keys.HOME, blue[0]),
                               (Keys.ARROW_LEFT, blue[0]), (Keys.END, blue[84]),
                               (Keys.ARROW_UP, blue[84]), (Keys.ARROW_DOWN, blue[84])):
                page.keys(key)
                state = page.wait_for(lambda s: s["reading"] == words(1, point),
                                      "the words of point %d" % point[0])
                self.assertEqual(state["label"], state["reading"])
            for _ in range(33):
                page.keys(Keys.ARROW_LEFT)
            page.wait_for(lambda s: s["label"] == words(1, top), "the peak again")

            # The frame and the cursor lie over the picture, never in it: a dashed line in
            # the axis's ink on a white band inside the picture's edge, and a ring.
            self.assertEqual(page.pixels(), drawn)
            overlay = page.pixels(canvas="overlay")
            edge = {colour_at(overlay, 2, y) + (overlay[2][(y * 800 + 2) * 4 + 3],)
                    for y in range(10, 570)}
            self.assertEqual(edge, {(0, 0, 0, 255), (255, 255, 255, 255)}, "the focus frame")
            alpha = page.js("""
                const d = document.getElementById('overlay').getContext('2d')
                    .getImageData(arguments[0] - 8, arguments[1] - 8, 17, 17).data;
                let n = 0; for (let i = 3; i < d.length; i += 4) if (d[i]) ++n; return n;""",
                            top[1], round(top[3]))
            self.assertGreater(alpha, 40, "the ring around the cursor's mark")

            # Return looks inside the mark; Right goes on there; Escape comes back to the
            # picture, at the mark looked inside last.
            page.keys(Keys.ENTER)
            state = page.wait_for(lambda s: s["inspector"], "the inspector")
            self.assertEqual(state["inspector"]["point"], 52)
            self.assertEqual(state["focus"], "inspector")
            page.keys(Keys.ARROW_RIGHT)
            page.wait_for(lambda s: s["inspector"]["point"] == 53, "the next point")
            page.keys(Keys.ESCAPE)
            state = page.wait_for(lambda s: s["inspector"] is None, "the inspector closed")
            self.assertEqual(state["focus"], "picture")
            self.assertEqual(state["label"], words(1, blue[52]))
            self.assertEqual(state["state"], "Finished")

            # The menu at the cursor; Escape gives the focus back.
            page.chord(Keys.SHIFT, Keys.F10)
            state = page.wait_for(lambda s: s["menu"], "the menu by Shift+F10")
            self.assertIn("Listen", state["menu"])
            box = page.js("const r = document.getElementById('menu').getBoundingClientRect();"
                          "return [r.left, r.top];")
            self.assertAlmostEqual(box[1], blue[52][3], delta=2)
            self.assertTrue(page.js("return document.getElementById('menu')"
                                    ".contains(document.activeElement)"))
            page.keys(Keys.ESCAPE)
            state = page.wait_for(lambda s: not s["menu"], "the menu closed")
            self.assertEqual(state["focus"], "picture")
            for kind in ("rawKeyDown", "keyUp"):
                page.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                    "type": kind, "key": "ContextMenu", "code": "ContextMenu",
                    "windowsVirtualKeyCode": 93, "nativeVirtualKeyCode": 93})
            page.wait_for(lambda s: s["menu"], "the menu by the menu key")
            page.keys(Keys.ESCAPE)
            page.wait_for(lambda s: not s["menu"] and s["focus"] == "picture", "back again")

            # Copying the picture copies neither the frame nor the cursor.
            page.chord(Keys.CONTROL, "c")
            page.wait_for(lambda s: s["status"] == "Picture copied", "the picture copied")
            self.assertEqual(page.clipboard_image(), drawn)
            page.js("document.getElementById('picture').blur()")
            self.assertEqual(page.pixels(canvas="overlay")[2],
                             bytes(800 * 581 * 4), "the frame left after the focus")
            self.assertFalse(page.js(OVERLAY_SHOWN), "an empty overlay over the picture")

            # The frame comes back at the picture's new size when the window grows.
            page.js("document.getElementById('picture').focus()")
            page.viewport(1600, 1162)
            state = page.wait_for(lambda s: s["factor"] == 2 and not s["renewing"],
                                  "the picture at twice its size")
            self.assertTrue(page.js(OVERLAY_SHOWN), "the focus frame over the picture")
            self.assertEqual(page.js("const o = document.getElementById('overlay');"
                                     "return [o.width, o.height];"), [1600, 1162])
            frame = page.js("return [...document.getElementById('overlay').getContext('2d')"
                            ".getImageData(4, 100, 1, 1).data];")
            self.assertEqual(frame[3], 255, "the frame drawn on the larger overlay")
            self.assertEqual(page.console_errors(), [])

    def test_run_keys_and_status(self):
        """During a run the picture's keys are the run's: Space holds it, Right steps it
        (not the cursor), Escape stops it; L waits for its end. Every status that matters
        goes to a polite live region."""
        with Page(PAGE) as page:
            self.run_to_end(page)
            page.js("const s = document.querySelector('[data-control=\"HScroll1\"]');"
                    "s.value = '1000'; s.dispatchEvent(new Event('change'));")
            page.click('[data-control="cmdStart"]')
            page.wait_for(lambda s: s["question"], "the question")
            page.click("#question-no")
            state = page.wait_for(lambda s: s["state"] == "Running" and s["point"] >= 3,
                                  "point 3")
            status = "return [document.getElementById('status').getAttribute('aria-live'),"
            status += " document.getElementById('status').textContent]"
            # That the run goes on is said once, not at every point.
            live, said = page.js(status)
            self.assertEqual(live, "polite")
            self.assertRegex(said, r"^Running: point [0-2] of 85$")
            page.js("document.getElementById('picture').focus()")
            cursor = page.snapshot()["cursor"]
            page.keys("l")
            page.wait_for(lambda s: s["toast"] == "Listening waits until the run has ended.",
                          "the refusal to listen")
            page.keys(Keys.SPACE)
            state = page.wait_for(lambda s: s["state"] == "Held", "the run held")
            self.assertEqual(page.js(status), ["polite", state["band"]])
            page.keys(Keys.ARROW_RIGHT)
            state = page.wait_for(lambda s: s["point"] == state["point"] + 1, "one more point")
            self.assertEqual(state["cursor"], cursor)
            page.keys(Keys.ESCAPE)
            state = page.wait_for(lambda s: s["state"] == "Stopped" and not s["running"],
                                  "the run stopped")
            self.assertEqual(page.js(status), ["polite", "Stopped at point %d of 85"
                                               % state["point"]])
            i, x, p, _ = peak(model.points("1")[:state["point"]])
            self.assertEqual(state["reading"], "Run 2 stopped: so far its highest mark is at "
                             "point %d, x = %d, with P = %.1f." % (i, x, p))
            self.assertEqual(state["focus"], "picture")

    def test_czech_cursor(self):
        with Page(PAGE, languages="cs") as page:
            self.assertEqual(page.snapshot()["language"], "cs")
            self.run_to_end(page)
            state = self.tab_to_picture(page)
            self.assertIn("P = %s" % ("%.1f" % peak(model.points("1"))[2]).replace(".", ","),
                          state["label"])
            self.assertIn("P = 134,0", state["label"])
            page.keys(Keys.ARROW_LEFT)
            state = page.wait_for(lambda s: "P = 131,7" in s["label"], "point 51 in Czech")
            self.assertIn(" 51", state["label"])

    def test_description_and_view(self):
        """Three kept runs: the description names each one's focus; the cursor goes from run
        to run; marks by shape, hidden marks and the legend, each off again exactly."""
        with Page(PAGE) as page:
            self.assertEqual(page.snapshot()["description"], [
                "The lens: radius 500, refractive index 0.98, aperture 0, the whole lens open.",
                "No marks are shown yet."])
            prompt = "return document.querySelector('[data-control=\"labKlepnete\"]')" \
                ".getAttribute('aria-hidden')"
            self.assertNotEqual(page.js(prompt), "true")
            state = self.three_runs(page)
            # The runs have painted over the prompt, which is no longer offered to be read.
            self.assertEqual(page.js(prompt), "true")
            runs = [("blue", "1", model.points("1")), ("red", "0.5", model.points("0.5")),
                    ("green", "0.75", model.points("0.75"))]
            description = state["description"]
            self.assertEqual(len(description), 5, description)
            for n, (colour, f, points) in enumerate(runs, 1):
                i, x, p, _ = peak(points)
                self.assertTrue(description[n].startswith("Run %d, %s, f = %s, dispersion on"
                                                          % (n, colour, f)), description[n])
                self.assertIn("focus at point %d, x = %d, with P = %.1f;" % (i, x, p),
                              description[n])
            self.assertEqual([peak(p)[0] for _, _, p in runs], [52, 67, 60])
            self.assertEqual(description[4], "Run 1 (blue) comes to its focus nearest the "
                             "lens, run 2 (red) farthest from it.")
            i, x, p, _ = peak(runs[2][2])
            self.assertEqual(state["reading"], "Run 3 finished: it comes to its focus at "
                             "point %d, x = %d, with P = %.1f." % (i, x, p))
            self.assertEqual(page.js("return document.getElementById('picture')"
                                     ".getAttribute('aria-describedby')"), "picture-description")

            # Up and Down: the same point of the other runs.
            state = self.tab_to_picture(page)
            self.assertEqual(state["cursor"]["run"], 0)
            page.keys(Keys.ARROW_DOWN)
            state = page.wait_for(lambda s: s["cursor"]["run"] == 1, "the red run")
            self.assertTrue(state["label"].startswith("Run 2: point 52, x = 514: P = %.1f \u00b7 "
                                                      "red" % runs[1][2][51][2]), state["label"])
            page.keys(Keys.ARROW_DOWN)
            page.wait_for(lambda s: s["cursor"]["run"] == 2, "the green run")
            page.keys(Keys.ARROW_UP)
            page.wait_for(lambda s: s["cursor"]["run"] == 1, "the red run again")

            design = page.pixels()
            self.assertNotIn(mark_rows(design, "red", *self.place(runs[1][2])),
                             ([1, 2, 3, 4, 5], []))

            self.open_menu_item(page, "shapes")
            shaped = page.pixels()
            self.assertEqual(page.snapshot()["view"]["shapes"], True)
            self.assertEqual(mark_rows(shaped, "red", *self.place(runs[1][2])), [1, 2, 3, 4, 5])
            self.assertEqual(mark_rows(shaped, "green", *self.place(runs[2][2])), [4, 4, 4, 4])
            self.assertEqual(mark_rows(shaped, "blue", *self.place(runs[0][2])),
                             mark_rows(design, "blue", *self.place(runs[0][2])))
            # Each shape where the model puts its mark: the green ones, drawn last.
            greens, stray = dots((shaped[0], DOT_ROWS, shaped[2]), "green")
            self.assertEqual(stray, 0)
            self.assertEqual(set(greens), set(range(1, 86)))
            for i, x, _, y in runs[2][2]:
                self.assertLessEqual(abs(greens[i][0] - x), 0.5, "green %d" % i)
                self.assertLessEqual(abs(greens[i][1] - y), 1.5, "green %d" % i)
            self.open_menu_item(page, "shapes")
            self.assertEqual(page.pixels(), design, "marks by shape turned off")

            self.open_menu_item(page, "hide-marks")
            hidden = page.pixels()
            for colour in COLOURS:
                self.assertEqual(dots((hidden[0], DOT_ROWS, hidden[2]), colour), ({}, 0), colour)
            changed = differing(design, hidden)
            self.assertGreater(len(changed), 500)
            self.assertEqual({(x, y) for x, y in changed
                              if colour_at(design, x, y) not in COLOURS.values()}, set(),
                             "hiding changed more than the marks")
            self.open_menu_item(page, "hide-marks")
            self.assertEqual(page.pixels(), design, "marks shown again")

            # The legend: over the picture, never in it; copied with it.
            self.open_menu_item(page, "legend")
            state = page.snapshot()
            self.assertTrue(state["view"]["legend"])
            x, y, w, h = state["legend"]
            self.assertTrue(0 <= x and x + w <= 800 and 0 <= y and y + h <= 581, state["legend"])
            self.assertEqual(page.pixels(), design, "the legend in the picture")
            page.chord(Keys.CONTROL, "c")
            page.wait_for(lambda s: s["status"] == "Picture copied", "the picture copied")
            copied = page.clipboard_image()
            changed = differing(design, copied)
            self.assertGreater(len(changed), w * h // 4)
            self.assertTrue(all(x <= cx < x + w and y <= cy < y + h for cx, cy in changed),
                            "the copy differs beyond the legend")
            # The copied legend is the one shown over the picture.
            overlay = page.pixels(canvas="overlay")
            opaque = [(cx, cy) for cy in range(y, y + h) for cx in range(x, x + w)
                      if overlay[2][(cy * 800 + cx) * 4 + 3] == 255]
            self.assertGreater(len(opaque), w * h // 2)
            self.assertEqual([colour_at(copied, *at) for at in opaque],
                             [colour_at(overlay, *at) for at in opaque])
            self.open_menu_item(page, "legend")
            state = page.wait_for(lambda s: s["legend"] is None, "the legend gone")
            self.assertFalse(state["view"]["legend"])
            overlay = page.pixels(canvas="overlay")
            self.assertEqual({overlay[2][(cy * 800 + cx) * 4 + 3] for cx, cy in opaque}, {0})
            self.assertEqual(page.console_errors(), [])

    def place(self, points):
        i, x, _, y = peak(points)
        return x, y

    def test_listen(self):
        with Page(PAGE) as page:
            self.run_to_end(page)
            page.click("#opČervený")
            self.run_to_end(page, answer=False)
            page.js("document.getElementById('picture').focus()")
            page.chord(Keys.SHIFT, Keys.F10)
            page.wait_for(lambda s: s["menu"], "the menu")
            self.assertFalse(page.js("return document.querySelector("
                                     "'#menu [data-action=\"listen\"]').disabled"))
            page.click('#menu [data-action="listen"]')
            page.wait_for(lambda s: s["sound"]["played"] == ["run 1"], "the first run's tones")
            page.js("document.getElementById('picture').focus()")
            page.keys(Keys.ARROW_DOWN)
            page.wait_for(lambda s: s["sound"]["played"][-1] == "point", "the mark's tone")
            page.keys("l")
            state = page.wait_for(lambda s: s["sound"]["played"][-1] == "run 2", "run 2")
            self.assertTrue(state["sound"]["available"])

        # A browser without Web Audio: the page works silently, and the menu says why.
        with Page(PAGE, before_load="delete window.AudioContext;"
                                    "delete window.webkitAudioContext;") as page:
            self.run_to_end(page)
            page.js("document.getElementById('picture').focus()")
            page.keys("l")
            state = page.wait_for(lambda s: s["toast"], "the notice")
            self.assertEqual(state["toast"], "Listen: no sound device was found")
            self.assertEqual(state["sound"], {"available": False, "played": []})
            page.chord(Keys.SHIFT, Keys.F10)
            page.wait_for(lambda s: s["menu"], "the menu")
            self.assertEqual(page.js("""
                const b = document.querySelector('#menu [data-action="listen"]');
                return [b.querySelector('.entry').textContent, b.disabled];"""),
                ["Listen: no sound device was found", True])
            self.assertEqual(page.console_errors(), [])

    def audit(self, page, when):
        if not page.js("return !!window.axe"):
            page.js(self.axe)
        result = page.driver.execute_async_script("""
            const done = arguments[1];
            axe.run(document, {runOnly: {type: 'tag', values: arguments[0]},
                               resultTypes: ['violations']})
                .then(r => done({ran: r.passes.length + r.violations.length
                                      + r.incomplete.length + r.inapplicable.length,
                                 violations: r.violations.map(v => [v.id, v.nodes.map(
                                     n => [n.target.join(' '), n.failureSummary])])}),
                      e => done({error: '' + e}));""", WCAG)
        self.assertNotIn("error", result, when)
        self.assertGreater(result["ran"], 20, "axe ran its rules %s" % when)
        self.assertEqual(result["violations"], [], "WCAG violations %s" % when)

    def test_accessibility_audit(self):
        self.axe = axe_source(self)
        with Page(PAGE, width=1366, height=768) as page:
            # Among the rest, every option and the check box is at least 24 CSS pixels high
            # and wide where it is hit, and none lies over another (target-size).
            self.audit(page, "at load")
            self.run_to_end(page)
            page.js("document.getElementById('picture').focus()")
            self.audit(page, "after a run")
            page.click('[data-control="cmdStart"]')
            page.wait_for(lambda s: s["question"], "the question")
            self.audit(page, "with the question open")
            page.click("#question-no")
            page.wait_for(lambda s: s["state"] == "Finished" and not s["running"], "the run")
            page.js("document.getElementById('picture').focus()")
            page.keys(Keys.ENTER)
            page.wait_for(lambda s: s["inspector"], "the inspector")
            self.audit(page, "with the inspector open")
            page.keys(Keys.ESCAPE)
            page.js("document.getElementById('picture').focus()")
            page.chord(Keys.SHIFT, Keys.F10)
            page.wait_for(lambda s: s["menu"], "the menu")
            page.click('#menu [data-action="open-link"]')
            page.wait_for(lambda s: s["linkBox"], "the link's box")
            self.audit(page, "with the link's box open")


if __name__ == "__main__":
    if len(sys.argv) < 2 or not os.path.isfile(sys.argv[1]):
        sys.exit("test_reading.py: no page at %s; scripts/dev web builds it"
                 % (sys.argv[1] if len(sys.argv) > 1 else "(none given)"))
    PAGE = sys.argv.pop(1)
    unittest.main(verbosity=2)
