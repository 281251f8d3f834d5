#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The picture as a link, in headless Chromium:

    test_links.py PAGE.html      (RAVO_LINK_OF_RUNS: the window's link, by the core)

A link that the window's core writes (link_of_runs) opens in the page's address, from a
file and from a web server alike: its runs are drawn where the independent model
(model.py) puts them, a stopped run to where it stopped, the captions shown, the controls as
after its last run, its view applied. The page's own link of the same runs (Ctrl+L, or the
menu) is the window's, letter for letter: the text alone from a file, the page's address
with it as the fragment from a server. A damaged, foreign, newer or 200,000-character link,
pasted or in the address, gets its message and changes nothing. "Undo erase" (Ctrl+Z)
brings back what "Yes" to "Delete probability" erased, once, before the next run.
"""

import os
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from browser import Page  # noqa: E402
import model  # noqa: E402
import test_page  # noqa: E402
from test_page import dots  # noqa: E402

from selenium.webdriver.common.keys import Keys  # noqa: E402

PAGE = None
DOT_ROWS = 240


def window_link(*actions):
    """The link that the window's core writes after these actions (link_of_runs)."""
    tool = os.environ["RAVO_LINK_OF_RUNS"]
    return subprocess.run([tool, *actions], check=True, capture_output=True,
                          text=True).stdout.strip()


class LinkTest(unittest.TestCase):
    assert_dots_match = test_page.PageTest.assert_dots_match

    def run_to_end(self, page, answer=None):
        page.click('[data-control="cmdStart"]')
        if answer is not None:
            page.wait_for(lambda s: s["question"], "the question")
            page.click("#question-yes" if answer else "#question-no")
        return page.wait_for(lambda s: s["state"] == "Finished" and not s["running"],
                             "the run to finish")

    def menu(self, page, action):
        page.js("document.getElementById('picture').focus()")
        page.chord(Keys.SHIFT, Keys.F10)
        page.wait_for(lambda s: s["menu"], "the picture's menu")
        page.click('#menu [data-action="%s"]' % action)

    def checked(self, page):
        return page.js("return [...document.querySelectorAll('input.hit')]"
                       ".filter(e => e.checked).map(e => e.id).sort()")

    def test_window_link_opens_in_the_page(self):
        """A blue run stopped at point 30, then a red one kept beside it, marks by legend:
        from a file and from a server, drawn as the model says, the same pixels both ways."""
        link = window_link("view:l", "scroll:1000", "stop:30", "click:opČervený", "run:no")
        self.assertTrue(link.startswith("ravo1_Vl_F1R500I0.98C0H80DYMOS1000A-P30_F0.5"), link)
        pictures = []
        for serve in (False, True):
            with Page(PAGE, fragment="#" + link, serve=serve) as page:
                state = page.wait_for(lambda s: s["runs"] == 2, "the link's runs")
                self.assertEqual(page.driver.current_url.startswith("http://127.0.0.1:"), serve)
                self.assertEqual(state["captions"], ["nPravděpodobnost", "nSoučetRadiusvektorů",
                                                     "nClonaOtvor"])
                self.assertEqual(state["settings"]["nKmitočet"], "0.5")
                self.assertEqual(state["settings"]["nSpomaleni"], "1000")
                self.assertEqual(state["settings"]["nStart"], "0")
                self.assertEqual(state["scroll"], 1000)
                self.assertIn("opČervený", self.checked(page))
                self.assertTrue(state["view"]["legend"])
                self.assertIsNotNone(state["legend"])
                self.assertEqual(state["toast"], "Opened a link of 2 runs.")
                self.assertFalse(state["running"])
                picture = page.pixels()
                red = model.points("0.5")
                self.assert_dots_match(page.pixels(DOT_ROWS), "red", red)
                near_red = {i for i, x, _, y in model.points("1")[:30]
                            if any(abs(x - rx) < 1 and abs(y - ry) < 5 for _, rx, _, ry in red)}
                self.assert_dots_match(page.pixels(DOT_ROWS), "blue", model.points("1"),
                                       count=30, skip=near_red)
                self.assertTrue(state["description"][1].startswith("Run 1, blue"))
                # The page's own link of what it opened: the same link, as text from a file,
                # as the page's address from a server.
                page.js("document.getElementById('picture').focus()")
                page.chord(Keys.CONTROL, "l")
                page.wait_for(lambda s: s["status"] == "The picture was copied as a link.",
                              "the link copied")
                copied = page.clipboard_text()
                self.assertEqual(copied, page.url + "#" + link if serve else link)
                self.assertEqual(page.network_requests(), [])
                self.assertEqual(page.console_errors(), [])
                pictures.append(picture)
        self.assertEqual(pictures[0], pictures[1])

    def test_page_link_is_the_window_link(self):
        """The same runs and view in the page and in the window's core give one link."""
        with Page(PAGE) as page:
            self.run_to_end(page)
            page.click("#opČervený")
            self.run_to_end(page, answer=False)
            page.click("#OpZelená")
            page.click("#chDisperze")
            page.click("#opMalý")
            self.run_to_end(page, answer=True)
            self.type_frequency(page, "1.0")
            self.run_to_end(page, answer=False)
            for option in ("shapes", "hide-marks"):
                self.menu(page, option)
                page.wait_for(lambda s: not s["menu"], "the menu closed")
            self.menu(page, "copy-link")
            page.wait_for(lambda s: s["toast"] == "The picture was copied as a link.",
                          "the link copied")
            self.assertEqual(page.clipboard_text(), window_link(
                "run:-", "click:opČervený", "run:no", "click:OpZelená", "click:chDisperze",
                "click:opMalý", "run:yes", "type:1.0", "run:no", "view:sh"))

    def type_frequency(self, page, text):
        box = page.driver.find_element("css selector", '[data-control="nKmitočet"]')
        box.clear()
        box.send_keys(text)
        page.wait_for(lambda s: s["settings"]["nKmitočet"] == text, "the frequency " + text)

    def test_links_that_cannot_open(self):
        """Each gets its message in a box, and the picture, the runs and the controls stay."""
        damaged = window_link("run:-").replace("R500", "R501")
        cases = [
            (damaged, "The link holds a setting that no control can make."),
            ("ravo1_V_F1R500I0.98C0H80DYMOS1A-PX", "A run of the link is damaged."),
            (("ravo1_V" + "_F1R500I0.98C0H80DYMOS1A-PF" * 8000)[:200000], "The link is too "
             "long to be one of Ravo's."),
            ("ravo2_V_F1R500I0.98C0H80DYMOS1A-PF", "The link comes from a newer Ravo, which "
             "this one cannot read."),
            ("https://example.org/#hello", "This is not a Ravo link."),
        ]
        self.assertEqual(len(cases[2][0]), 200000)
        with Page(PAGE) as page:
            self.run_to_end(page)
            page.click("#opČervený")
            before = page.snapshot()
            picture = page.pixels()
            for text, message in cases:
                page.set_clipboard_text(text)
                page.js("document.getElementById('picture').focus()")
                page.chord(Keys.CONTROL, "v")
                state = page.wait_for(lambda s: s["notice"], "the message for %.40s" % text)
                self.assertEqual(state["notice"], message)
                page.click("#notice-ok")
                state = page.wait_for(lambda s: not s["notice"], "the message closed")
                for key in ("runs", "settings", "captions", "view", "description", "state"):
                    self.assertEqual(state[key], before[key], key)
                self.assertEqual(page.pixels(), picture)
            self.assertEqual(page.console_errors(), [])

        # In the address: the message, and a page as it starts.
        with Page(PAGE, fragment="#" + cases[0][0]) as page:
            state = page.wait_for(lambda s: s["notice"], "the message")
            self.assertEqual(state["notice"], cases[0][1])
            self.assertEqual((state["runs"], state["captions"]), (0, []))

    def test_open_link_box(self):
        """Where the page may not read the clipboard, "Open link" asks for the link in a
        small box; what is pasted there opens."""
        link = window_link("click:opPruhy", "run:-")
        with Page(PAGE) as page:
            self.menu(page, "open-link")
            state = page.wait_for(lambda s: s["linkBox"], "the link's box")
            self.assertEqual(page.js("return document.activeElement.id"), "link-field")
            self.assertEqual(page.js("return document.querySelector('label[for=link-field]')"
                                     ".textContent"),
                             "Link to a Ravo picture (Ctrl+V pastes it here):")
            page.keys(link, Keys.ENTER)
            state = page.wait_for(lambda s: s["runs"] == 1 and not s["linkBox"], "the link")
            self.assertEqual(state["settings"]["nZobrazení"], "Pruhy")
            self.assertIn("opPruhy", self.checked(page))
            # Cancel changes nothing.
            picture = page.pixels()
            self.menu(page, "open-link")
            page.wait_for(lambda s: s["linkBox"], "the link's box again")
            page.keys("ravo1_V")
            page.click("#link-cancel")
            state = page.wait_for(lambda s: not s["linkBox"], "the box closed")
            self.assertEqual((state["runs"], state["notice"]), (1, None))
            self.assertEqual(page.pixels(), picture)

    def test_undo_erase(self):
        with Page(PAGE) as page:
            self.run_to_end(page)
            blue = page.pixels()
            page.click("#opČervený")
            self.run_to_end(page, answer=True)
            erased = page.pixels(DOT_ROWS)
            self.assertEqual(dots(erased, "blue")[0], {}, "\"Yes\" erased the blue dots")
            # Ctrl+Z in the frequency box is the box's own.
            box = page.driver.find_element("css selector", '[data-control="nKmitočet"]')
            box.click()
            page.chord(Keys.CONTROL, "z")
            self.assertEqual(page.pixels(DOT_ROWS), erased)
            self.menu(page, "undo-erase")
            state = page.wait_for(lambda s: s["toast"] == "The erased marks are back.",
                                  "the erase undone")
            red = model.points("0.5")
            picture = page.pixels(DOT_ROWS)
            self.assert_dots_match(picture, "red", red)
            near_red = {i for i, x, _, y in model.points("1")
                        if any(abs(x - rx) < 1 and abs(y - ry) < 5 for _, rx, _, ry in red)}
            self.assert_dots_match(picture, "blue", model.points("1"), skip=near_red)
            self.assertEqual(state["settings"]["nKmitočet"], "0.5")
            self.assertEqual(len(state["description"]), 4)
            # Only once, and the menu says so.
            page.js("document.getElementById('picture').focus()")
            page.chord(Keys.CONTROL, "z")
            state = page.wait_for(lambda s: s["toast"] and s["toast"].startswith("There is no "
                                                                               "erase to undo"),
                                  "nothing to undo")
            page.chord(Keys.SHIFT, Keys.F10)
            page.wait_for(lambda s: s["menu"], "the menu")
            self.assertTrue(page.js("return document.querySelector("
                                    "'#menu [data-action=\"undo-erase\"]').disabled"))
            page.keys(Keys.ESCAPE)
            # The undone erase is in the link: the red run's answer is "No".
            page.chord(Keys.CONTROL, "l")
            page.wait_for(lambda s: s["toast"] == "The picture was copied as a link.", "the link")
            self.assertEqual(page.clipboard_text(),
                             window_link("run:-", "click:opČervený", "run:no"))
            self.assertNotEqual(page.pixels(), blue)
            self.assertEqual(page.console_errors(), [])


if __name__ == "__main__":
    if len(sys.argv) < 2 or not os.path.isfile(sys.argv[1]):
        sys.exit("test_links.py: no page at %s; scripts/dev web builds it"
                 % (sys.argv[1] if len(sys.argv) > 1 else "(none given)"))
    PAGE = sys.argv.pop(1)
    unittest.main(verbosity=2)
