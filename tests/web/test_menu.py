#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the page offers beside its controls, as the window does, in headless Chromium:

    test_menu.py PAGE.html

The picture's menu switches the projector colours (the picture's ground turns white, the
marks change colour, the controls follow, and back again gives the design's pixels
exactly), sets the pace (not during a run), and switches the language of every text at
once (captions, status, readout with the language's decimal separator, menu, list of
keys), the picture kept as drawn. F1 or "Keys and mouse" lists the keys, Escape or F1
closes the list. The band over the prompt says where a held run stands, and where it
stopped. Each control's help follows its setting.
"""

import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(ROOT, "web", "tools"))
from browser import Page  # noqa: E402
import model  # noqa: E402
import translations  # noqa: E402

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

PAGE = None
DESIGN_GROUND = (192, 192, 192)
DESIGN_BLUE = (0, 0, 255)
MENU = ["Copy picture", "Copy data", "Download picture", "Download data", "Copy link",
        "Open link", "Undo erase", "Projector colours", "Full screen", "Marks by shape",
        "Hide marks", "Legend", "Pace", "Language", "Listen", "Keys and mouse"]
PAGE_ENTRIES = {"Download picture", "Download data", "Full screen"}


def pixel(picture, x, y):
    width, _, data = picture
    o = (y * width + x) * 4
    return tuple(data[o:o + 3])


def pixels_of(picture, colour):
    """The places of every pixel of one colour."""
    width, height, data = picture
    return {(i // 4 % width, i // 4 // width) for i in range(0, width * height * 4, 4)
            if tuple(data[i:i + 3]) == colour}


class MenuTest(unittest.TestCase):
    def run_to_end(self, page):
        page.click('[data-control="cmdStart"]')
        return page.wait_for(lambda s: s["state"] == "Finished" and not s["running"],
                             "the run to finish")

    def open_menu(self, page):
        """The picture's menu, by a right click where nothing is drawn (and where a run's
        buttons do not stand)."""
        canvas = page.driver.find_element("css selector", "#picture")
        ActionChains(page.driver).move_to_element_with_offset(canvas, 350, -150) \
            .context_click().perform()
        return page.wait_for(lambda s: s["menu"], "the picture's menu")["menu"]

    def choices(self, page, submenu):
        """The entries of a submenu once it is open: [(label, checked, enabled)]."""
        page.click('#menu [data-action="%s"]' % submenu)
        return page.js("""
            return [...document.querySelectorAll(
                    '#menu .submenu[data-of="' + arguments[0] + '"]:not([hidden]) button')]
                .map(b => [b.querySelector('.entry').textContent,
                           b.getAttribute('aria-checked') === 'true', !b.disabled]);""", submenu)

    def keys(self, page, *keys):
        ActionChains(page.driver).send_keys(*keys).perform()

    def attribute(self, page, selector, name):
        return page.js("return document.querySelector(arguments[0]).getAttribute(arguments[1])",
                       selector, name)

    def style(self, page, selector, name):
        return page.js("return getComputedStyle(document.querySelector(arguments[0]))"
                       "[arguments[1]]", selector, name)

    def test_projector_colours(self):
        with Page(PAGE) as page:
            self.run_to_end(page)
            design = page.pixels()
            self.assertEqual(pixel(design, 795, 5), DESIGN_GROUND)
            blue = pixels_of(design, DESIGN_BLUE)
            self.assertGreater(len(blue), 200)
            # The inspector of the peak, which follows too.
            i, x, _, mark_y = max(model.points("1"), key=lambda point: point[2])
            ActionChains(page.driver).move_to_element_with_offset(
                page.driver.find_element("css selector", "#picture"), x - 400,
                round(mark_y - 290.5)).click().perform()
            page.wait_for(lambda s: s["inspector"], "the inspector")
            inspector_ground = ("return [...document.getElementById('inspector-picture')"
                                ".getContext('2d').getImageData(2, 2, 1, 1).data.slice(0, 3)]")
            self.assertEqual(page.js(inspector_ground), list(DESIGN_GROUND))
            self.assertEqual(self.open_menu(page), MENU)
            projector = '#menu [data-action="projector"]'
            self.assertEqual(self.attribute(page, projector, "aria-checked"), "false")
            page.click(projector)
            state = page.wait_for(lambda s: s["projector"] and not s["menu"], "projector colours")
            self.assertEqual(state["redraws"], 2)
            shown = page.pixels()
            self.assertEqual(pixel(shown, 795, 5), (255, 255, 255))
            # The marks in another blue, one for all of them, that stands out from white.
            marks = {pixel(shown, x, y) for x, y in blue}
            self.assertEqual(len(marks), 1, marks)
            self.assertNotIn(marks.pop(), (DESIGN_BLUE, (255, 255, 255)))
            self.assertEqual(pixels_of(shown, DESIGN_BLUE), set())
            # The controls follow; a colour button keeps its colour.
            self.assertEqual(self.style(page, "#design", "backgroundColor"), "rgb(255, 255, 255)")
            self.assertEqual(self.style(page, '[data-control="frmIndex"]', "backgroundColor"),
                             "rgb(255, 255, 255)")
            self.assertEqual(self.style(page, '[data-control="opČervený"]', "backgroundColor"),
                             "rgb(255, 128, 128)")
            self.assertEqual(page.js(inspector_ground), [255, 255, 255])

            self.open_menu(page)
            self.assertEqual(self.attribute(page, projector, "aria-checked"), "true")
            page.click(projector)
            page.wait_for(lambda s: not s["projector"] and not s["menu"], "the design's colours")
            self.assertEqual(page.pixels(), design)
            self.assertEqual(self.style(page, "#design", "backgroundColor"), "rgb(192, 192, 192)")
            self.assertEqual(page.js(inspector_ground), list(DESIGN_GROUND))
            self.assertEqual(page.console_errors(), [])

    def test_pace_and_the_held_run(self):
        """The pace sets the slow-down as the scroll bar does, but not during a run; Space
        holds the run, and the band over the prompt says where it stands, in the prompt's
        place; after Escape it says where the run stopped, until the next Start."""
        with Page(PAGE) as page:
            self.open_menu(page)
            self.assertEqual(self.choices(page, "pace"), [
                ["Fast", True, True], ["Slower", False, True], ["Slow", False, True]])
            page.click('#menu [data-pace="5000"]')
            state = page.wait_for(lambda s: not s["menu"], "the menu closed")
            self.assertEqual((state["settings"]["nSpomaleni"], state["scroll"]), ("5000", 5000))
            scroll = '[data-control="HScroll1"]'
            self.assertEqual(page.js("return document.querySelector(arguments[0]).value", scroll),
                             "5000")
            self.assertTrue(page.js("return document.querySelector(arguments[0]).title", scroll)
                            .startswith("Slow-down 5000: 0.5 s per detector point"))
            self.assertIsNone(state["band"])

            page.click('[data-control="cmdStart"]')
            page.wait_for(lambda s: s["state"] == "Running" and s["point"] >= 1, "point 1")
            self.keys(page, Keys.SPACE)
            state = page.wait_for(lambda s: s["state"] == "Held", "the run held")
            self.assertEqual(state["band"], "Held at point %d of 85 \u2014 Space: go on \u00b7 "
                             "\u2192: next point \u00b7 Esc: stop" % state["point"])
            self.assertEqual(state["status"], state["band"])
            band = page.js("""
                const b = document.getElementById('band');
                const r = b.getBoundingClientRect();
                const s = getComputedStyle(b);
                return [r.x, r.y, r.width, r.height, b.scrollWidth <= b.clientWidth,
                        s.backgroundColor, s.fontWeight, s.fontFamily];""")
            self.assertEqual(band[:5], [200, 240, 401, 26, True])
            self.assertEqual(band[5], "rgb(192, 192, 192)")
            self.assertEqual(band[6], "700")
            self.assertIn("Liberation Serif", band[7])

            # The menu of a held run: its paces cannot be chosen.
            self.open_menu(page)
            self.assertEqual(self.choices(page, "pace"), [
                ["Fast", False, False], ["Slower", True, False], ["Slow", False, False]])
            page.js("document.querySelector('#menu [data-pace=\"1\"]').click()")
            self.assertEqual(page.snapshot()["settings"]["nSpomaleni"], "5000")
            self.keys(page, Keys.ESCAPE)
            state = page.wait_for(lambda s: not s["menu"], "the menu closed")
            self.assertEqual(state["state"], "Held", "Escape in the menu reached the run")

            self.keys(page, Keys.ESCAPE)
            state = page.wait_for(lambda s: s["state"] == "Stopped" and not s["running"],
                                  "the run stopped")
            self.assertEqual(state["band"], "Stopped at point %d of 85" % state["point"])
            page.click('[data-control="cmdStart"]')
            state = page.wait_for(lambda s: s["state"] == "Running", "the second run")
            self.assertIsNone(state["band"])
            self.keys(page, Keys.ESCAPE)
            page.wait_for(lambda s: s["state"] == "Stopped", "the second run stopped")
            self.assertEqual(page.console_errors(), [])

    def test_keys_list(self):
        with Page(PAGE) as page:
            self.keys(page, Keys.F1)
            keys = page.wait_for(lambda s: s["keys"], "the list of keys")["keys"]
            self.assertEqual(keys["title"], "Ravo - keys and mouse")
            self.assertEqual(keys["rows"][0], ["Space", "holds a run, and lets it go on again"])
            self.assertIn(["Ctrl+Shift+C", "copies the marks as a table, for a spreadsheet"],
                          keys["rows"])
            self.assertEqual(page.js("return document.activeElement.id"), "keys")
            self.keys(page, Keys.ESCAPE)
            page.wait_for(lambda s: s["keys"] is None, "the list closed by Escape")
            self.assertEqual(page.js("return document.activeElement.dataset.control"),
                             "cmdStart")

            self.open_menu(page)
            page.click('#menu [data-action="keys-help"]')
            page.wait_for(lambda s: s["keys"] and not s["menu"], "the list from the menu")
            self.keys(page, Keys.F1)
            page.wait_for(lambda s: s["keys"] is None, "the list closed by F1")

    def test_language_menu(self):
        """Czech from the menu: every text at once in the words of i18n/ravo_cs.ts, numbers
        with its decimal comma; the picture stays as drawn; and back to English."""
        czech = translations.read_translation(os.path.join(ROOT, "i18n", "ravo_cs.ts"))[1]

        def cs(context, source):
            return czech.get(context, {}).get(source, source)

        with Page(PAGE) as page:
            self.run_to_end(page)
            before = page.pixels()
            self.open_menu(page)
            languages = self.choices(page, "language")
            self.assertEqual(languages[0], ["English", True, True])
            self.assertIn(["Čeština", False, True], languages)
            page.click('#menu [data-language="cs"]')
            state = page.wait_for(lambda s: s["language"] == "cs" and not s["menu"], "Czech")
            self.assertEqual(page.js("return document.documentElement.lang"), "cs")
            self.assertEqual(page.js(
                "return document.querySelector('[data-control=\"frmPoloměrLupy\"] > legend')"
                ".textContent"), cs("ControlTable", "Radius of lens"))
            self.assertEqual(page.js(
                "return document.querySelector('[data-control=\"cmdStart\"]').textContent"),
                cs("ControlTable", "Start"))
            self.assertEqual(self.attribute(page, '[data-control="nKmitočet"]', "aria-label"),
                             cs("ControlHelp", "Frequency"))
            self.assertEqual(state["status"], cs("frmRavo", "Finished: %1 of %2 points")
                             .replace("%1", "85").replace("%2", "85"))
            self.assertNotEqual(state["status"], "Finished: 85 of 85 points")
            # The picture as drawn: only the labels' texts are painted anew, and the run
            # has covered the prompt.
            after = page.pixels()
            rows = slice(30 * 800 * 4, None)
            self.assertEqual(after[2][rows], before[2][rows])

            i, x, p, mark_y = max(model.points("1"), key=lambda point: point[2])
            canvas = page.driver.find_element("css selector", "#picture")
            ActionChains(page.driver).move_to_element_with_offset(
                canvas, x - 400, round(mark_y - 290.5)).perform()
            readout = page.js("return document.getElementById('picture').title")
            point = cs("MarkReadout", "Point %1, x = %2: P = %3 · %4")
            self.assertTrue(readout.startswith(point.split("%1")[0] + str(i)), readout)
            self.assertIn("P = %s" % ("%.1f" % p).replace(".", ","), readout)

            # The window's entries in its words; the page's own (downloads, full screen) in
            # the page's.
            self.assertEqual(self.open_menu(page), [
                cs("ravo-page" if label in PAGE_ENTRIES else "frmRavo", label)
                for label in MENU])
            self.assertNotEqual(page.snapshot()["menu"], MENU)
            self.keys(page, Keys.ESCAPE)
            page.wait_for(lambda s: not s["menu"], "the menu closed")
            self.keys(page, Keys.F1)
            keys = page.wait_for(lambda s: s["keys"], "the list of keys")["keys"]
            self.assertEqual(keys["title"], cs("KeysHelp", "Ravo - keys and mouse"))
            self.assertEqual(keys["rows"][0], [cs("KeysHelp", "Space"),
                                               cs("KeysHelp", "holds a run, and lets it go on again")])
            self.keys(page, Keys.ESCAPE)

            self.open_menu(page)
            self.assertIn(["English", False, True], self.choices(page, "language"))
            page.click('#menu [data-language="en"]')
            state = page.wait_for(lambda s: s["language"] == "en", "English again")
            self.assertEqual(state["status"], "Finished: 85 of 85 points")
            ActionChains(page.driver).move_to_element_with_offset(
                canvas, x - 400, round(mark_y - 290.5)).perform()
            self.assertIn("P = %.1f" % p, page.js("return document.getElementById('picture').title"))
            self.assertEqual(page.console_errors(), [])

    def test_help_follows_the_settings(self):
        """Each control's tooltip and description say what it sets now."""
        with Page(PAGE) as page:
            def help_of(name):
                return page.js("""
                    const e = document.querySelector('[data-control="' + arguments[0] + '"]');
                    const input = document.getElementById(arguments[0]) || e;
                    return [e.title, input.getAttribute('aria-description'),
                            input.getAttribute('aria-label')];""", name)

            title, description, name = help_of("nKmitočet")
            self.assertIn("now 1.", title)
            self.assertEqual((description, name), (title, "Frequency"))
            page.click("#opČervený")
            self.assertIn("now 0.5.", help_of("nKmitočet")[0])
            self.assertIn("now frequency 0.5:", help_of("frmKmitočet")[0])

            self.assertIn("now 500 pixels", help_of("frmPoloměrLupy")[0])
            page.click("#opMalý")
            self.assertIn("now 400 pixels", help_of("frmPoloměrLupy")[0])
            self.assertEqual(help_of("opMalý")[2], "Radius of lens: Small")

            self.assertIn("now on", help_of("chDisperze")[1])
            page.click("#chDisperze")
            self.assertIn("now off", help_of("chDisperze")[1])
            self.assertEqual(page.js("return document.querySelector("
                                     "'[data-control=\"nDisperze\"]').textContent"), "No")


if __name__ == "__main__":
    if len(sys.argv) < 2 or not os.path.isfile(sys.argv[1]):
        sys.exit("test_menu.py: no page at %s; scripts/dev web builds it"
                 % (sys.argv[1] if len(sys.argv) > 1 else "(none given)"))
    PAGE = sys.argv.pop(1)
    unittest.main(verbosity=2)
