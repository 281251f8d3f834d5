#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The browser page in Debian's headless Chromium, opened alone from an empty folder by
file://:

    test_page.py PAGE.html        (RAVO_LAYOUT_FILE: the desktop's layout, as JSON)

At 800 x 581 and device pixel ratio 1: the controls stand where the desktop's control
table puts them; Start runs a run whose dots lie where the independent model (model.py)
puts them and shows the three captions; the copied data holds the model's P; a second
Start asks "Delete probability" in a dialog with "Yes" and "No", and "No" keeps the
earlier dots; a typed "abc" gets the desktop's refusal and draws nothing; Space holds a
run, Right steps it by one point, a click during the run changes nothing, Escape stops
it. After the six sequences of runs whose pictures the desktop keeps (tests/golden), the
marks are on the desktop's pixels, in their pure colours. At 1600 x 1162 and ratio 2 the picture has 4 x 4 pixels per design pixel, and made
smaller it is drawn again from the records. A click on a mark opens its point inspector,
which tells the readout's point and P, moves to the next point by Right, copies its table
of paths and its picture, and closes by Escape or when a later run erases the mark. No
request leaves the page; nothing is logged as an error.
"""

import hashlib
import json
import os
import re
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import Page  # noqa: E402
import model  # noqa: E402
import png  # noqa: E402

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

PAGE = None
GOLDEN = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "golden")
# The six sequences of runs whose pictures the desktop keeps in tests/golden (the same as
# in tests/window/tst_golden.cpp): clicks, typed frequencies, and runs with the answer to
# "Delete probability" where it is asked.
SEQUENCES = {
    "default": [("run", None)],
    "red_kept": [("run", None), ("click", "opČervený"), ("run", False)],
    "green_erased": [("run", None), ("click", "opČervený"), ("run", False),
                     ("click", "OpZelená"), ("run", True)],
    "bars": [("click", "opPruhy"), ("run", None), ("click", "opMalý"),
             ("click", "opIndexMalý"), ("run", None)],
    "half_aperture": [("click", "opPůlAno"), ("click", "opClonaUy39"), ("click", "chDisperze"),
                      ("click", "opČervený"), ("run", None), ("click", "opPůlNe"),
                      ("click", "opClonaUzka"), ("click", "opStřední"),
                      ("click", "opIndexVelký"), ("click", "OpZelená"), ("run", False)],
    "typed": [("type", "1.0"), ("run", None), ("type", "abc"), ("run", None), ("type", "0.6"),
              ("run", False)],
}
REFUSAL = "The frequency must be a number, such as 0.5 (red), 0.75 (green) or 1 (blue)."
COLOURS = {"blue": (0, 0, 255), "red": (255, 0, 0), "green": (0, 255, 0)}
TOLERANCE = 1.5  # design pixels between a dot and the model's place for it
DOT_ROWS = 240  # the dots stand above the marks' base line, y = 230.5


def dots(picture, colour):
    """The dots of one colour in the picture: {detector point: (x, y)}, the centre of the
    pure-coloured pixels near each detector point's x above the marks' base line, in
    design pixels; and the pure-coloured pixels near no detector point."""
    width, height, data = picture
    factor = width // 800
    r, g, b = COLOURS[colour]
    found, stray = {}, 0
    columns = {}
    for y in range(min(height, int((model.MARK_BASE_Y + 3) * factor))):
        row = y * width * 4
        for x in range(width):
            o = row + x * 4
            if data[o] == r and data[o + 1] == g and data[o + 2] == b:
                columns.setdefault(x, []).append(y)
    for x, ys in columns.items():
        design_x = (x + 0.5) / factor
        i = round((design_x - model.DETECTOR_BASE_X) / 7)
        if not 1 <= i <= 85 or abs(design_x - (model.DETECTOR_BASE_X + 7 * i)) > 3:
            stray += len(ys)
            continue
        found.setdefault(i, []).extend((design_x, (y + 0.5) / factor) for y in ys)
    centres = {i: (sum(p[0] for p in ps) / len(ps), sum(p[1] for p in ps) / len(ps))
               for i, ps in found.items()}
    return centres, stray


class PageTest(unittest.TestCase):
    def assert_dots_match(self, picture, colour, expected, count=85, skip=()):
        """The first count dots of expected are in the picture where the model puts them,
        and no other dot of the colour; those in skip may be missing or displaced."""
        centres, stray = dots(picture, colour)
        self.assertEqual(stray, 0, "%s pixels away from every detector point" % colour)
        drawn = {i for i, *_ in expected[:count]}
        self.assertLessEqual(set(centres), drawn, "%s dots beyond those drawn" % colour)
        for i, x, _, mark_y in expected[:count]:
            if i in skip:
                continue
            self.assertIn(i, centres, "%s dot %d" % (colour, i))
            cx, cy = centres[i]
            self.assertLessEqual(abs(cx - x), TOLERANCE, "%s dot %d at x %.2f" % (colour, i, cx))
            self.assertLessEqual(abs(cy - mark_y), TOLERANCE,
                                 "%s dot %d at y %.2f, the model's %.2f" % (colour, i, cy, mark_y))

    def assert_clean(self, page):
        self.assertEqual(page.console_errors(), [])
        self.assertEqual(page.network_requests(), [])

    def start(self, page):
        page.click('[data-control="cmdStart"]')

    def finish(self, page, question_answer=None):
        if question_answer is not None:
            page.wait_for(lambda s: s["question"], "the question")
            page.click("#question-yes" if question_answer else "#question-no")
        return page.wait_for(lambda s: s["state"] == "Finished" and not s["running"],
                             "the run to finish")

    def read_clipboard(self, page, script):
        page.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        return page.driver.execute_async_script(script)

    def clipboard_image_size(self, page):
        """[width, height] of the PNG image on the clipboard, or the error as text."""
        return self.read_clipboard(page, """
            const done = arguments[0];
            navigator.clipboard.read()
                .then(items => items[0].getType('image/png'))
                .then(blob => createImageBitmap(blob))
                .then(image => done([image.width, image.height]), e => done('' + e));""")

    def type_frequency(self, page, text):
        box = page.driver.find_element("css selector", '[data-control="nKmitočet"]')
        box.clear()
        box.send_keys(text)
        page.wait_for(lambda s: s["settings"]["nKmitočet"] == text, "the frequency " + text)

    def keys(self, page, *keys):
        ActionChains(page.driver).send_keys(*keys).perform()

    def test_design_size(self):
        with Page(PAGE) as page:
            self.assertEqual(page.driver.title, "Ravo - https://ravo.example.org")
            self.assertEqual(page.js("return [innerWidth, innerHeight, devicePixelRatio]"),
                             [800, 581, 1])
            self.check_layout(page, zoom=1, offset=(0, 0))
            self.check_runs(page)
            self.check_refusal(page)
            self.check_keys(page)
            self.assert_clean(page)

    def check_layout(self, page, zoom, offset, after_run=False):
        """Every control the desktop shows stands at its place of the control table (from
        the desktop's build), zoomed by zoom and moved by offset, with its caption; the
        others are not shown."""
        with open(os.environ["RAVO_LAYOUT_FILE"], encoding="utf-8") as f:
            layout = json.load(f)
        placed = {}
        for c in layout["controls"]:
            ox, oy = placed[c["container"]][:2] if c["container"] else (0, 0)
            x, y, w, h = c["at"]
            placed[c["name"]] = (ox + x, oy + y, w, h)
        shown = page.js("""
            const out = {};
            for (const e of document.querySelectorAll('[data-control]')) {
                if (!e.checkVisibility()) continue;
                const r = e.getBoundingClientRect();
                const legend = e.querySelector(':scope > legend');
                out[e.dataset.control] = [r.x, r.y, r.width, r.height,
                    (legend || e).textContent, getComputedStyle(e).backgroundColor];
            }
            return out;""")
        for c in layout["controls"]:
            name = c["name"]
            if c["shown"] == "never" or (c["shown"] == "after a run" and not after_run):
                self.assertNotIn(name, shown, "%s is not shown on the desktop" % name)
                continue
            self.assertIn(name, shown)
            x, y, w, h = placed[name]
            want = (offset[0] + x * zoom, offset[1] + y * zoom, w * zoom, h * zoom)
            for got, expected in zip(shown[name][:4], want):
                self.assertAlmostEqual(got, expected, delta=0.01,
                                       msg="%s at %s, not %s" % (name, shown[name], want))
            if c["kind"] not in ("text box", "scroll bar") or c["shown"] == "after a run":
                self.assertEqual(shown[name][4], c["text"], name)
            if c["kind"] == "option button":
                colour = c["background"]
                self.assertEqual(shown[name][5], "rgb(%d, %d, %d)" % tuple(
                    int(colour[i:i + 2], 16) for i in (1, 3, 5)), name)

    def check_runs(self, page):
        blue = model.points("1")
        self.start(page)
        state = self.finish(page)
        self.assertEqual(state["captions"], ["nPravděpodobnost", "nSoučetRadiusvektorů",
                                             "nClonaOtvor"])
        self.check_layout(page, zoom=1, offset=(0, 0), after_run=True)
        self.assert_dots_match(page.pixels(DOT_ROWS), "blue", blue)

        # Resting the mouse on a dot tells its point and P.
        i, x, p, mark_y = blue[49]
        canvas = page.driver.find_element("css selector", "#picture")
        ActionChains(page.driver).move_to_element_with_offset(
            canvas, x - 400, round(mark_y - 290.5)).perform()
        title = page.js("return document.getElementById('picture').title")
        self.assertTrue(title.startswith("Point %d, x = %d: P = %.1f \u00b7 blue, f = 1, "
                                         "dispersion on" % (i, x, p)), title)

        # The copied data: every shown mark with its P, from the records.
        ActionChains(page.driver).key_down(Keys.CONTROL).key_down(Keys.SHIFT).send_keys("c") \
            .key_up(Keys.SHIFT).key_up(Keys.CONTROL).perform()
        page.wait_for(lambda s: s["status"] == "Data copied", "the data on the clipboard")
        text = self.read_clipboard(
            page, "navigator.clipboard.readText().then(arguments[0], e => arguments[0]('' + e));")
        lines = text.splitlines()
        self.assertEqual(lines[0].split("\t"), [
            "run", "colour", "frequency", "dispersion", "radius", "refractive index", "lens",
            "aperture", "detector point", "x", "P", "height of the mark"])
        self.assertEqual(len(lines), 86)
        for line, (i, x, p, mark_y) in zip(lines[1:], blue):
            fields = line.split("\t")
            self.assertEqual(fields[:10], ["1", "blue", "1", "dispersion on", "500", "0.98",
                                           "whole", "0", str(i), str(x)])
            self.assertAlmostEqual(float(fields[10]), p, delta=0.0015, msg=line)
            self.assertAlmostEqual(float(fields[11]), model.MARK_BASE_Y - mark_y, delta=0.006)

        # The picture's menu copies the picture, as a PNG image.
        ActionChains(page.driver).context_click(canvas).perform()
        self.assertEqual(page.snapshot()["menu"], [
            "Copy picture", "Copy data", "Download picture", "Download data", "Copy link",
            "Open link", "Undo erase", "Projector colours", "Full screen", "Marks by shape",
            "Hide marks", "Legend", "Pace", "Language", "Listen", "Keys and mouse"])
        page.click('#menu [data-action="copy-picture"]')
        page.wait_for(lambda s: s["status"] == "Picture copied", "the picture on the clipboard")
        self.assertTrue(page.js("return document.getElementById('menu').hidden"))
        size = self.clipboard_image_size(page)
        self.assertEqual(size, [800, 581])

        # A second run asks first; "No" keeps the blue dots.
        page.click("#opČervený")
        self.assertEqual(page.snapshot()["settings"]["nKmitočet"], "0.5")
        self.start(page)
        state = page.wait_for(lambda s: s["question"], "the question")
        self.assertEqual(state["question"], "Delete probability")
        self.assertEqual(state["status"], "Waiting for an answer")
        self.assertEqual(page.js("""
            const d = document.getElementById('question');
            return [d.tagName, d.open, d.matches(':modal'),
                    [...d.querySelectorAll('button')].map(b => b.textContent)];"""),
            ["DIALOG", True, True, ["Yes", "No"]])
        self.finish(page, question_answer=False)
        red = model.points("0.5")
        picture = page.pixels(DOT_ROWS)
        self.assert_dots_match(picture, "red", red)
        # Blue dots that a red one covers in part are not measured.
        near_red = {i for i, x, _, y in blue
                    if any(abs(x - rx) < 1 and abs(y - ry) < 5 for _, rx, _, ry in red)}
        self.assertLess(len(near_red), 40)
        self.assert_dots_match(picture, "blue", blue, skip=near_red)

    def check_refusal(self, page):
        before = hashlib.sha256(page.pixels()[2]).hexdigest()
        runs = page.snapshot()["runs"]
        self.type_frequency(page, "abc")
        self.start(page)
        state = page.wait_for(lambda s: s["notice"], "the refusal")
        self.assertEqual(state["notice"], REFUSAL)
        page.click("#notice-ok")
        state = page.wait_for(lambda s: not s["running"], "the refused run to end")
        self.assertEqual((state["state"], state["runs"]), ("Idle", runs))
        self.assertEqual(hashlib.sha256(page.pixels()[2]).hexdigest(), before,
                         "the refused run drew")

    def check_keys(self, page):
        self.type_frequency(page, "1")
        # The slow-down as a drag of the scroll bar leaves it: 1000, 0.1 s per point.
        page.js("const s = document.querySelector('[data-control=\"HScroll1\"]');"
                "s.value = '1000'; s.dispatchEvent(new Event('change'));")
        self.assertEqual(page.snapshot()["settings"]["nSpomaleni"], "1000")
        self.assertEqual(page.js("return document.querySelector('[data-control=\"HScroll1\"]')"
                                 ".getAttribute('aria-valuetext')"),
                         "Slow-down 1000: 0.1 s per detector point, about 8.5 s a run")
        self.start(page)
        page.wait_for(lambda s: s["question"], "the question")
        page.click("#question-yes")
        page.wait_for(lambda s: s["state"] == "Running" and s["point"] >= 2, "point 2")
        self.keys(page, Keys.SPACE)
        state = page.wait_for(lambda s: s["state"] == "Held", "the run held")
        self.assertTrue(page.driver.title.endswith("(paused)"), page.driver.title)
        held_at = state["point"]
        self.keys(page, Keys.ARROW_RIGHT)
        state = page.wait_for(lambda s: s["state"] == "Held" and s["point"] == held_at + 1,
                              "one more point")
        # Neither a click nor a typed text reaches the held run's settings.
        page.click("#OpZelená")
        page.driver.find_element("css selector", '[data-control="nKmitočet"]').send_keys("9")
        state = page.snapshot()
        self.assertEqual(state["settings"]["nKmitočet"], "1")
        self.assertEqual(page.js("return [document.getElementById('OpZelená').checked,"
                                 "document.getElementById('opČervený').checked,"
                                 "document.querySelector('[data-control=\"nKmitočet\"]').value]"),
                         [False, True, "1"])
        # A click on a mark of the held run opens its inspector, whose keys stay its own.
        i, x, _, mark_y = model.points("1")[held_at - 1]
        ActionChains(page.driver).move_to_element_with_offset(
            page.driver.find_element("css selector", "#picture"), x - 400,
            round(mark_y - 290.5)).click().perform()
        page.wait_for(lambda s: s["inspector"] and s["inspector"]["point"] == i, "the inspector")
        self.keys(page, Keys.ARROW_RIGHT)
        page.wait_for(lambda s: s["inspector"]["point"] == i + 1, "the inspector's next point")
        self.keys(page, Keys.ESCAPE)
        state = page.wait_for(lambda s: s["inspector"] is None, "the inspector closed")
        self.assertEqual((state["state"], state["point"]), ("Held", held_at + 1))
        self.keys(page, Keys.ESCAPE)
        state = page.wait_for(lambda s: s["state"] == "Stopped", "the run stopped")
        self.assertEqual(state["point"], held_at + 1)
        self.assertFalse(page.driver.title.endswith("(paused)"))
        picture = page.pixels(DOT_ROWS)
        self.assert_dots_match(picture, "blue", model.points("1"), count=held_at + 1)
        self.assertEqual(dots(picture, "red")[0], {}, "\"Yes\" erased the red dots")
        # Ctrl+Q while the question is open stops the run unanswered, as at any other time
        # of a run; a tab the script did not open stays, and says how to close it.
        self.start(page)
        page.wait_for(lambda s: s["question"], "the question")
        page.chord(Keys.CONTROL, "q")
        state = page.wait_for(lambda s: not s["running"] and s["notice"], "the page closed")
        self.assertIsNone(state["question"])
        self.assertEqual(page.pixels(DOT_ROWS), picture, "the unanswered question erased")
        page.click("#notice-ok")
        page.wait_for(lambda s: not s["notice"], "the notice seen")

    def test_point_inspector(self):
        """A click on the blue peak opens its inspector, which tells the readout's point
        and P; Right moves to the next point; Ctrl+Shift+C copies its table of paths, whose
        arrows add up to the model's P, and Ctrl+C its picture; Escape closes it, and so
        does a later run that erases its mark."""
        with Page(PAGE) as page:
            self.start(page)
            self.finish(page)
            blue = model.points("1")
            i, x, _, mark_y = max(blue, key=lambda point: point[2])
            canvas = page.driver.find_element("css selector", "#picture")
            at_peak = ActionChains(page.driver).move_to_element_with_offset(
                canvas, x - 400, round(mark_y - 290.5))
            at_peak.perform()
            readout = re.match(r"Point (\d+), x = (\d+): P = ([\d.]+) ",
                               page.js("return document.getElementById('picture').title"))
            self.assertIsNotNone(readout)
            at_peak.click().perform()
            shown = page.wait_for(lambda s: s["inspector"], "the inspector")["inspector"]
            self.assertTrue(page.js("return document.getElementById('inspector').open"))
            self.assertEqual(shown["title"], "Ravo - point %d of run 1" % i)
            numbers = re.fullmatch(r"Point (\d+) of 85, x = (\d+): P = ([\d.]+)",
                                   shown["numbers"])
            self.assertIsNotNone(numbers, shown["numbers"])
            self.assertEqual(numbers.group(1, 2), readout.group(1, 2))
            self.assertEqual(int(numbers.group(1)), i)
            self.assertAlmostEqual(float(numbers.group(3)), float(readout.group(3)), delta=0.05)

            self.keys(page, Keys.ARROW_RIGHT)
            page.wait_for(lambda s: s["inspector"]["point"] == i + 1, "the next point")
            ActionChains(page.driver).key_down(Keys.CONTROL).key_down(Keys.SHIFT).send_keys("c") \
                .key_up(Keys.SHIFT).key_up(Keys.CONTROL).perform()
            page.wait_for(lambda s: s["inspector"]["status"] == "Data copied", "the table")
            lines = self.read_clipboard(
                page, "navigator.clipboard.readText().then(arguments[0], "
                      "e => arguments[0]('' + e));").splitlines()
            self.assertEqual(lines[0].split("\t"), [
                "path", "height at the lens", "glass thickness", "distance to the point",
                "trip time", "phase", "arrow x", "arrow y"])
            paths = page.js("return document.getElementById('inspector-paths').textContent")
            self.assertRegex(paths, r"^81 path(s|\(s\)); ")
            rows = [line.split("\t") for line in lines[1:]]
            self.assertEqual([r[0] for r in rows], [str(j) for j in range(81)])
            sx, sy = (sum(float(r[k]) for r in rows) for k in (6, 7))
            self.assertAlmostEqual((sx * sx + sy * sy) * 0.012, blue[i][2], delta=0.02)
            # Not the main picture, but the inspector's own.
            ActionChains(page.driver).key_down(Keys.CONTROL).send_keys("c") \
                .key_up(Keys.CONTROL).perform()
            page.wait_for(lambda s: s["inspector"]["status"] == "Picture copied",
                          "the inspector's picture")
            size = self.clipboard_image_size(page)
            self.assertEqual(size, [600, 440])

            self.keys(page, Keys.ESCAPE)
            page.wait_for(lambda s: s["inspector"] is None, "the inspector closed")
            self.assertFalse(page.js("return document.getElementById('inspector').open"))
            self.assertEqual(page.snapshot()["state"], "Finished", "Escape reached the run")

            # A second run that erases the marks closes it.
            at_peak.click().perform()
            page.wait_for(lambda s: s["inspector"], "the inspector again")
            self.start(page)
            self.finish(page, question_answer=True)
            self.assertFalse(page.js("return document.getElementById('inspector').open"))
            self.assertIsNone(page.snapshot()["inspector"])
            self.assert_clean(page)

    def mark_pixels(self, width, rgb, channels):
        """The pixels in a mark's pure colour where marks stand (right of the lens, above
        their base line): {(x, y): colour}."""
        pure = {COLOURS[c]: c for c in COLOURS}
        found = {}
        for y in range(232):
            for x in range(140, 800):
                o = (y * width + x) * channels
                colour = pure.get(tuple(rgb[o:o + 3]))
                if colour:
                    found[(x, y)] = colour
        return found

    def centres(self, pixels):
        """The centre of each mark's pixels, by colour and detector point."""
        groups = {}
        for (x, y), colour in pixels.items():
            i = round((x + 0.5 - model.DETECTOR_BASE_X) / 7)
            groups.setdefault((colour, i), []).append((x, y))
        return {k: (sum(p[0] for p in v) / len(v), sum(p[1] for p in v) / len(v))
                for k, v in groups.items()}

    def test_marks_where_the_desktop_draws_them(self):
        with Page(PAGE) as page:
            for name, steps in SEQUENCES.items():
                page.driver.refresh()
                page.wait_for(lambda s: s and s["ready"] and s["runs"] == 0, "a fresh page")
                for action, value in steps:
                    if action == "click":
                        page.click("#" + value)
                    elif action == "type":
                        self.type_frequency(page, value)
                    else:
                        self.start(page)
                        state = page.wait_for(lambda s: s["question"] or s["notice"] or (
                            not s["running"] and s["state"] in ("Finished", "Idle")),
                            "the run of " + name)
                        if state["question"]:
                            page.click("#question-yes" if value else "#question-no")
                        elif state["notice"]:
                            page.click("#notice-ok")
                        page.wait_for(lambda s: not s["running"], "the end of the run")
                width, _, rgba = page.pixels(DOT_ROWS)
                shown = self.mark_pixels(width, rgba, 4)
                desktop = self.mark_pixels(800, png.read_png(
                    os.path.join(GOLDEN, name + ".png"))[2], 3)
                self.assertGreater(len(desktop), 900, name)
                differing = set(shown.items()) ^ set(desktop.items())
                self.assertLessEqual(len(differing), max(4, len(desktop) // 300),
                                     "%s: %s" % (name, sorted(differing)[:20]))
                ours, theirs = self.centres(shown), self.centres(desktop)
                self.assertEqual(set(ours), set(theirs), name)
                for key, (x, y) in theirs.items():
                    self.assertLessEqual(abs(ours[key][0] - x), 0.5, "%s %s" % (name, key))
                    self.assertLessEqual(abs(ours[key][1] - y), 0.5, "%s %s" % (name, key))
            self.assert_clean(page)

    def test_larger_and_finer(self):
        with Page(PAGE, width=1600, height=1162, scale=2) as page:
            state = page.snapshot()
            self.assertEqual((state["zoom"], state["factor"]), (2, 4))
            self.assertEqual(page.js("return devicePixelRatio"), 2)
            self.check_layout(page, zoom=2, offset=(0, 0))
            self.start(page)
            self.finish(page)
            self.assertEqual(page.js("const c = document.getElementById('picture');"
                                     "return [c.width, c.height];"), [3200, 2324])
            picture = page.pixels(DOT_ROWS)
            self.assert_dots_match(picture, "blue", model.points("1"))
            redraws = page.snapshot()["redraws"]
            # Smaller, and centred: the picture is drawn again from the records.
            page.viewport(1000, 581, 1)
            state = page.wait_for(lambda s: s["factor"] == 1, "the picture at factor 1")
            self.assertEqual(state["redraws"], redraws + 1)
            self.check_layout(page, zoom=1, offset=(100, 0), after_run=True)
            self.assert_dots_match(page.pixels(DOT_ROWS), "blue", model.points("1"))
            self.assert_clean(page)


if __name__ == "__main__":
    if len(sys.argv) < 2 or not os.path.isfile(sys.argv[1]):
        sys.exit("test_page.py: no page at %s; scripts/dev web builds it"
                 % (sys.argv[1] if len(sys.argv) > 1 else "(none given)"))
    PAGE = sys.argv.pop(1)
    unittest.main(verbosity=2)
