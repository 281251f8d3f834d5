#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page in every classroom, in headless Chromium:

    test_classroom.py PAGE.html       (RAVO_AXE: axe-core's axe.min.js)

On an emulated iPad (a touch screen, 1024 x 768 CSS pixels at ratio 2) the run's buttons
beside the picture hold, step and stop a run, the band says that it is held, and a tap
elsewhere reaches nothing while it runs; a tap 12 CSS pixels from the peak's dot shows its
readout and opens its inspector, whose buttons go to the neighbouring points; a long press
opens the picture's menu, and two fingers zoom the page. At 200 % browser zoom "Start" is
drawn larger than at 100 %, the controls in groups above the picture; a tablet turned from
landscape to portrait and the browser zoomed during a run keep its marks and its place, and
the run goes on. On a phone no text is under 12 CSS pixels and nothing scrolls sideways,
with the picture, its captions, the band and the inspector. Every target is at least 24 CSS
pixels wide and high to a pointer, on a laptop, a tablet and a phone. Where Windows' high
contrast replaces the page's colours, nothing hidden shows and the colour buttons keep a
swatch of their colour. A print holds the title, the date, the picture and its runs, and no
control; "Download picture" and "Download data" give files named after the picture, a
second download beside the first. Framed by a learning platform's page of another origin,
the page logs no error and its boxes take the focus within the frame. A picture of many
kept runs, drawn anew a run at a time at another size, is the picture the runs drew.
"""

import datetime
import os
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from browser import Page, axe_source  # noqa: E402
import model  # noqa: E402
import png  # noqa: E402
import test_page  # noqa: E402

from selenium.webdriver.common.keys import Keys  # noqa: E402

PAGE = None
BLUE = model.points("1")
PEAK = max(BLUE, key=lambda p: p[2])
DOT_ROWS = test_page.DOT_ROWS

# Every text shown, with the size it is drawn at in CSS pixels (its font's size times the
# zoom of what holds it), where it is under 12.
SMALL_TEXTS = """
    const small = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        const e = node.parentElement;
        if (!node.textContent.trim() || !e || e.closest('.unseen, script, style, noscript'))
            continue;
        if (!e.checkVisibility({checkOpacity: true, checkVisibilityCSS: true})) continue;
        const style = getComputedStyle(e);
        if (style.color === 'rgba(0, 0, 0, 0)' || style.color === 'transparent') continue;
        let scale = 1;
        for (let a = e; a; a = a.parentElement) {
            const t = getComputedStyle(a).transform;
            if (t && t !== 'none') scale *= new DOMMatrix(t).a;
        }
        const size = parseFloat(style.fontSize) * scale;
        if (size < 12 - 1e-6) small.push([node.textContent.trim().slice(0, 40), size]);
    }
    return small;"""

# Whatever reaches beyond the page's width (which would scroll sideways).
SIDEWAYS = """
    const width = document.documentElement.clientWidth;
    const out = [];
    if (document.documentElement.scrollWidth > width) out.push(['html', document.documentElement.scrollWidth]);
    if (document.body.scrollWidth > width) out.push(['body', document.body.scrollWidth]);
    for (const e of document.querySelectorAll('body *')) {
        if (!e.checkVisibility() || e.closest('.unseen')) continue;
        const r = e.getBoundingClientRect();
        if (r.width && r.right > width + 0.5) out.push([e.id || e.dataset.control || e.className, r.right]);
    }
    return out;"""

# Every target a pointer can use, and where a 24 x 24 CSS pixel square centred on it reaches
# something else: [name, width, height, points elsewhere].
SMALL_TARGETS = """
    const out = [];
    const targets = [...document.querySelectorAll(
        'button, input:not(.look), [role="menuitem"], [role="menuitemradio"]')]
        .filter((e) => e.checkVisibility() && !e.closest('[inert]')
                       && !e.closest('dialog:not([open])') && !e.closest('[hidden]'));
    const owns = (e, hit) => hit && (hit === e || e.contains(hit)
        || (hit.dataset && hit.dataset.reachOf
            && hit.dataset.reachOf === (e.dataset.control || e.id)));
    const windows = [...document.querySelectorAll('dialog[open]')]
        .map((d) => [d, d.getBoundingClientRect()]);
    for (const e of targets) {
        // Its box, with the clear strips that take a press for it.
        const r = e.getBoundingClientRect();
        for (const reach of document.querySelectorAll('[data-reach-of]')) {
            if (reach.dataset.reachOf !== (e.dataset.control || e.id)) continue;
            const q = reach.getBoundingClientRect();
            if (!q.width || !q.height) continue;
            const top = Math.min(r.top, q.top), bottom = Math.max(r.bottom, q.bottom);
            r.y = top;
            r.height = bottom - top;
        }
        const cx = r.x + r.width / 2, cy = r.y + r.height / 2;
        // One that an inner window covers, even in part, is not looked at: it is not hit
        // there.
        if (windows.some(([d, w]) => !d.contains(e) && r.x < w.right && w.x < r.right
                         && r.y < w.bottom && w.y < r.bottom))
            continue;
        let elsewhere = 0;
        for (let i = 0; i < 7; ++i)
            for (let j = 0; j < 7; ++j) {
                const x = cx - 11.5 + 23 * i / 6, y = cy - 11.5 + 23 * j / 6;
                if (!owns(e, document.elementFromPoint(x, y))) ++elsewhere;
            }
        if (elsewhere) out.push([e.id || e.dataset.control || e.textContent.trim(),
                                 Math.round(r.width * 10) / 10, Math.round(r.height * 10) / 10,
                                 elsewhere]);
    }
    return out;"""


def slow_pace(page, value=1000):
    page.js("const s = document.querySelector('[data-control=\"HScroll1\"]');"
            "s.value = arguments[0]; s.dispatchEvent(new Event('change'));", str(value))
    page.wait_for(lambda s: s["settings"]["nSpomaleni"] == str(value), "the pace")


def rect(page, selector):
    return page.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                   "return [r.x, r.y, r.width, r.height];", selector)


def mark_on_page(page, point):
    """Where a mark's centre is on the page, in CSS pixels."""
    _, x, _, y = point
    box = rect(page, "#picture")
    zoom = page.snapshot()["zoom"]
    return box[0] + (x + 0.5) * zoom - 0.5, box[1] + (y + 0.5) * zoom - 0.5


class ClassroomTest(unittest.TestCase):
    assert_dots_match = test_page.PageTest.assert_dots_match

    def finish(self, page, answer=None):
        if answer is not None:
            page.wait_for(lambda s: s["question"], "the question")
            page.click("#question-yes" if answer else "#question-no")
        return page.wait_for(lambda s: s["state"] == "Finished" and not s["running"],
                             "the run to finish")

    def assert_fits(self, page, when):
        self.assertEqual(page.js(SMALL_TEXTS), [], "texts under 12 CSS pixels " + when)
        self.assertEqual(page.js(SIDEWAYS), [], "what scrolls sideways " + when)

    # --- A tablet --------------------------------------------------------------------------

    def test_tablet(self):
        with Page(PAGE, width=1024, height=768, scale=2, touch=True) as page:
            state = page.snapshot()
            self.assertEqual((state["layout"], state["zoom"]), ("design", 1.28))
            self.assertTrue(page.js("return matchMedia('(pointer: coarse)').matches"))
            slow_pace(page)
            page.tap_element('[data-control="cmdStart"]')
            state = page.wait_for(lambda s: s["state"] == "Running" and s["point"] >= 1,
                                  "the run")
            self.assertEqual(state["runKeys"], [["Hold", True], ["Step", False], ["Stop", True]])
            # Beside the picture, not over the design's controls, and easy to hit.
            controls = page.js("""
                return [...document.querySelectorAll('#design [data-control]')]
                    .filter(e => e.checkVisibility() && !e.classList.contains('label'))
                    .map(e => { const r = e.getBoundingClientRect();
                                return [e.dataset.control, r.x, r.y, r.right, r.bottom]; });""")
            for key in ("#run-hold", "#run-step", "#run-stop"):
                x, y, w, h = rect(page, key)
                self.assertGreaterEqual(min(w, h), 24, key)
                self.assertTrue(0 <= x and x + w <= 1024 and 0 <= y and y + h <= 768, key)
                for name, left, top, right, bottom in controls:
                    self.assertFalse(x < right and left < x + w and y < bottom and top < y + h,
                                     "%s over %s" % (key, name))

            # A tap reaches only the run's buttons while it runs.
            page.tap_element('label[data-control="opČervený"]')
            page.tap_element("#run-hold")
            state = page.wait_for(lambda s: s["state"] == "Held", "the run held")
            self.assertEqual(state["settings"]["nKmitočet"], "1")
            self.assertFalse(page.js("return document.getElementById('opČervený').checked"))
            held = state["point"]
            self.assertEqual(state["band"], "Held at point %d of 85 \u2014 Space: go on \u00b7 "
                             "\u2192: next point \u00b7 Esc: stop" % held)
            self.assertTrue(page.driver.title.endswith("(paused)"))
            self.assertEqual(state["runKeys"], [["Go on", True], ["Step", True], ["Stop", True]])
            page.tap_element("#run-step")
            state = page.wait_for(lambda s: s["point"] == held + 1 and s["state"] == "Held",
                                  "a step")
            page.tap_element("#run-hold")
            state = page.wait_for(lambda s: s["state"] == "Running", "the run going on")
            self.assertEqual(state["runKeys"][0], ["Hold", True])
            page.tap_element("#run-stop")
            state = page.wait_for(lambda s: s["state"] == "Stopped" and not s["running"],
                                  "the run stopped")
            self.assertIsNone(state["runKeys"])
            self.assertEqual(state["band"], "Stopped at point %d of 85" % state["point"])

            # A finished run: a tap near its peak's dot.
            slow_pace(page, 1)
            page.tap_element('[data-control="cmdStart"]')
            self.finish(page)  # the stopped run did not complete: nothing is asked
            x, y = mark_on_page(page, PEAK)
            page.tap(x, y - 16)
            # A later tap has been seen, and so the first.
            page.tap_element('label[data-control="opČervený"]')
            state = page.wait_for(lambda s: s["settings"]["nKmitočet"] == "0.5", "red")
            self.assertIsNone(state["inspector"], "a tap 16 CSS pixels away opened a mark")
            self.assertIsNone(state["readout"])
            page.tap(x, y - 12)
            state = page.wait_for(lambda s: s["inspector"], "the inspector")
            self.assertEqual(state["inspector"]["point"], PEAK[0])
            self.assertFalse(state["inspector"]["narrow"])
            self.assertGreaterEqual(state["inspector"]["smallestText"], 12 - 1e-6)
            self.assertTrue(state["readout"].startswith(
                "Point %d, x = %d: P = %.1f \u00b7 blue" % (PEAK[0], PEAK[1], PEAK[2])),
                state["readout"])
            for key in ("#inspector-previous", "#inspector-next", "#inspector-close"):
                self.assertGreaterEqual(min(rect(page, key)[2:]), 44, key)  # a fingertip
            page.tap_element("#inspector-next")
            page.wait_for(lambda s: s["inspector"]["point"] == PEAK[0] + 1, "the next point")
            page.tap_element("#inspector-previous")
            page.tap_element("#inspector-previous")
            page.wait_for(lambda s: s["inspector"]["point"] == PEAK[0] - 1, "the points before")
            page.tap_element("#inspector-close")
            page.wait_for(lambda s: s["inspector"] is None, "the inspector closed")

            # A long press where nothing is drawn opens the menu there.
            box = rect(page, "#picture")
            at = (box[0] + 100 * 1.28, box[1] + 500 * 1.28)
            page.touches("touchStart", at)
            state = page.wait_for(lambda s: s["menu"], "the menu by a long press")
            page.touches("touchEnd")
            self.assertIn("Download picture", state["menu"])
            # At the finger, as far as the window lets it stand there.
            menu = rect(page, "#menu")
            self.assertLess(abs(menu[0] - at[0]), 1)
            self.assertLessEqual(menu[1], at[1] + 1)
            self.assertLessEqual(menu[1] + menu[3], 768)
            page.keys(Keys.ESCAPE)
            page.wait_for(lambda s: not s["menu"], "the menu closed")

            # Two fingers zoom the page while no run goes on.
            page.pinch(512, 400)
            deadline = time.monotonic() + 20
            while page.js("return visualViewport.scale") <= 1 and time.monotonic() < deadline:
                time.sleep(0.05)
            self.assertGreater(page.js("return visualViewport.scale"), 1)
            self.assertEqual(page.console_errors(), [])

    # --- Zoom and turning --------------------------------------------------------------

    def test_browser_zoom(self):
        """200 % of a 1366 x 768 window is 683 x 384 CSS pixels at ratio 2."""
        with Page(PAGE, width=1366, height=768) as page:
            width_at_100 = rect(page, '[data-control="cmdStart"]')[2]
            self.assertEqual(page.snapshot()["layout"], "design")
            page.viewport(683, 384, 2)
            state = page.wait_for(lambda s: s["layout"] == "flow", "the controls in groups")
            width_at_200 = rect(page, '[data-control="cmdStart"]')[2] * 2
            self.assertGreater(width_at_200, width_at_100 * 1.5,
                               "Start drawn %.1f device pixels wide at 200 %%, %.1f at 100 %%"
                               % (width_at_200, width_at_100))
            self.assertGreaterEqual(state["controlZoom"], 1)
            # The picture as wide as the page lets it and no taller than the window, below
            # the controls; the same controls in the same order of Tab.
            picture = rect(page, "#picture")
            self.assertAlmostEqual(picture[3], 384, delta=0.5)
            groups = rect(page, "#groups")
            self.assertGreaterEqual(picture[1], groups[1] + groups[3])
            order = page.js("""
                return [...document.querySelectorAll('[tabindex]')]
                    .filter(e => e.tabIndex > 0 && e.checkVisibility())
                    .sort((a, b) => a.tabIndex - b.tabIndex)
                    .map(e => e.id || e.dataset.control);""")
            self.assertEqual(order[0], "cmdStart")
            self.assertEqual(order[-1], "HScroll1")
            self.assert_fits(page, "at 200 %")
            self.assertEqual(page.console_errors(), [])

    def test_turned_and_zoomed_during_a_run(self):
        """A tablet's kept blue run and a red run going on: turned to portrait (the controls
        flow) while the run is held, and zoomed while it runs; the marks stay where the model
        puts them, the run goes on from its place and finishes."""
        with Page(PAGE, width=960, height=600, scale=2, touch=True) as page:
            self.assertEqual((page.snapshot()["layout"], page.snapshot()["factor"]), ("design", 3))
            page.click('[data-control="cmdStart"]')
            self.finish(page)
            page.click("#opČervený")
            slow_pace(page, 300)
            page.click('[data-control="cmdStart"]')
            page.wait_for(lambda s: s["question"], "the question")
            page.click("#question-no")
            page.wait_for(lambda s: s["state"] == "Running" and s["point"] >= 3, "point 3")
            page.tap_element("#run-hold")
            held = page.wait_for(lambda s: s["state"] == "Held", "the run held")["point"]
            page.viewport(600, 960, 2)
            state = page.wait_for(lambda s: s["layout"] == "flow" and s["factor"] == 2,
                                  "the portrait picture")
            self.assertEqual((state["state"], state["point"]), ("Held", held))
            self.assertEqual(state["runKeys"][0], ["Go on", True])
            picture = page.pixels(DOT_ROWS)
            self.assert_dots_match(picture, "red", model.points("0.5"), count=held)
            self.assert_fits(page, "turned to portrait")
            page.tap_element("#run-hold")
            page.wait_for(lambda s: s["state"] == "Running" and s["point"] > held + 2,
                          "the run going on")
            page.viewport(300, 480, 4)  # the browser zoomed to 200 %
            state = page.wait_for(lambda s: s["zoom"] == 0.375, "the zoomed picture")
            self.assertTrue(state["running"])
            state = self.finish(page)
            self.assertEqual(state["runs"], 2)
            picture = page.pixels(DOT_ROWS)
            red = model.points("0.5")
            self.assert_dots_match(picture, "red", red)
            near_red = {i for i, x, _, y in BLUE
                        if any(abs(x - rx) < 1 and abs(y - ry) < 5 for _, rx, _, ry in red)}
            self.assert_dots_match(picture, "blue", BLUE, skip=near_red)
            self.assertEqual(page.console_errors(), [])

    # --- Many kept runs --------------------------------------------------------------------

    def test_many_kept_runs_drawn_anew(self):
        """Beyond eight runs the picture is drawn anew a run at a time while the page goes
        on: made larger and smaller again, it is the picture the runs drew, pixel for pixel;
        drawn anew while a run goes on, the run's later drawings are in it too."""
        with Page(PAGE) as page:
            answers = [None, False, False, True, False, False, False, False, False]
            colours = ["opModrý", "opČervený", "OpZelená"]
            for n, answer in enumerate(answers):
                page.click("#" + colours[n % 3])
                if n == 5:
                    page.click("#opMalý")
                page.click('[data-control="cmdStart"]')
                self.finish(page, answer=answer)
            drawn = page.pixels()
            page.viewport(1366, 768)
            page.wait_for(lambda s: s["factor"] == 2 and not s["renewing"], "the larger picture")
            page.viewport(800, 581)
            state = page.wait_for(lambda s: s["factor"] == 1 and not s["renewing"],
                                  "the picture at its size again")
            self.assertEqual(state["redraws"], 3)
            self.assertTrue(page.pixels() == drawn, "the picture drawn anew differs")

            # A tenth run, made larger while it goes on.
            slow_pace(page, 200)
            page.click('[data-control="cmdStart"]')
            page.wait_for(lambda s: s["question"], "the question")
            page.click("#question-no")
            page.wait_for(lambda s: s["running"] and s["point"] >= 5, "the tenth run")
            page.viewport(1366, 768)
            state = page.wait_for(lambda s: s["factor"] == 2 and not s["renewing"],
                                  "the larger picture")
            self.assertTrue(state["running"], "the run ended before the picture was drawn anew")
            self.finish(page)
            live = page.pixels()
            self.menu(page, "projector")
            page.wait_for(lambda s: s["projector"] and not s["renewing"], "projector colours")
            self.menu(page, "projector")
            page.wait_for(lambda s: not s["projector"] and not s["renewing"], "the design's")
            self.assertTrue(page.pixels() == live, "the run's drawings after the renewal differ")
            self.assertEqual(page.console_errors(), [])

    def test_many_kept_runs_drawn_ahead(self):
        """With many kept runs and a screen with room for a larger picture, the page draws
        it while idle, a run's later drawings too: when the window grows it is shown at once,
        and it is the picture the runs drew; smaller again, and larger again, the pictures
        left behind come back, as they were."""
        link = "ravo1_V_F1R500I0.98C0H80DYMOS1A-PF" + "_F1R500I0.98C0H80DYMOS1ANPF" * 11
        ahead = lambda s: s["spare"] and s["spare"]["whole"] and not s["spare"]["waiting"]
        with Page(PAGE, fragment="#" + link, screen=(1366, 768)) as page:
            page.wait_for(lambda s: s["runs"] == 12 and ahead(s), "the larger picture ahead")
            self.assertEqual(page.snapshot()["spare"]["factor"], 2)
            page.click("#opČervený")
            page.click('[data-control="cmdStart"]')
            self.finish(page, answer=False)
            page.wait_for(ahead, "the run's drawings in the larger picture")
            small = page.pixels()

            page.viewport(1366, 768)
            state = page.wait_for(lambda s: s["factor"] == 2, "the larger picture")
            self.assertFalse(state["renewing"])
            self.assertEqual(state["spare"], {"factor": 1, "whole": True, "waiting": 0},
                             "the larger picture was not the one drawn ahead")
            large = page.pixels()
            page.viewport(800, 581)
            page.wait_for(lambda s: s["factor"] == 1 and not s["renewing"], "the smaller")
            self.assertTrue(page.pixels() == small, "the picture left behind differs")
            page.viewport(1366, 768)
            page.wait_for(lambda s: s["factor"] == 2 and not s["renewing"], "larger again")
            self.assertTrue(page.pixels() == large, "the picture left behind differs")

            # Drawn anew from the runs' records, exactly.
            self.menu(page, "projector")
            page.wait_for(lambda s: s["projector"] and not s["renewing"], "projector colours")
            self.menu(page, "projector")
            page.wait_for(lambda s: not s["projector"] and not s["renewing"], "the design's")
            self.assertTrue(page.pixels() == large, "the picture drawn ahead differs")
            self.assertEqual(page.console_errors(), [])

    # --- A phone -------------------------------------------------------------------------

    def test_phone(self):
        with Page(PAGE, width=390, height=844, scale=3, touch=True) as page:
            state = page.snapshot()
            self.assertEqual(state["layout"], "flow")
            self.assert_fits(page, "at load")
            # The title and the prompt as texts, the picture as wide as the phone.
            self.assertEqual(page.js("return document.querySelector('#groups > h1')"
                                     ".textContent"), "Ravo")
            self.assertAlmostEqual(rect(page, "#picture")[2], 390, delta=0.5)
            page.tap_element('[data-control="cmdStart"]')
            state = self.finish(page)
            self.assertEqual(len(state["captions"]), 3)
            self.assert_fits(page, "after a run")
            self.assert_dots_match(page.pixels(DOT_ROWS), "blue", BLUE)
            slow_pace(page)
            page.tap_element('[data-control="cmdStart"]')
            page.wait_for(lambda s: s["question"], "the question")
            self.assert_fits(page, "with the question")
            page.tap_element("#question-no")
            page.wait_for(lambda s: s["running"] and s["point"] >= 2, "the run")
            page.tap_element("#run-hold")
            page.wait_for(lambda s: s["state"] == "Held" and s["band"], "the band")
            self.assert_fits(page, "with a held run")
            page.tap_element("#run-stop")
            page.wait_for(lambda s: not s["running"], "the run stopped")
            x, y = mark_on_page(page, PEAK)
            page.tap(x, y - 12)
            page.wait_for(lambda s: s["inspector"] and s["readout"], "the inspector")
            self.assert_fits(page, "with the inspector")
            # Its texts, spiral and plot one above the other: the texts it draws keep 12 px.
            inspector = page.snapshot()["inspector"]
            self.assertTrue(inspector["narrow"])
            self.assertGreaterEqual(inspector["smallestText"], 12 - 1e-6)
            # Turned sideways, the page is wide enough for the wide inspector again.
            page.viewport(844, 390, 3)
            page.wait_for(lambda s: s["inspector"] and not s["inspector"]["narrow"],
                          "the wide inspector")
            self.assertEqual(page.snapshot()["inspector"]["point"], inspector["point"])
            page.tap_element("#inspector-close")
            page.wait_for(lambda s: s["inspector"] is None, "the inspector closed")

            # Upright again, the legend over the picture (from the menu of a long press)
            # is drawn larger than the design's, so that its texts keep 12 px.
            page.viewport(390, 844, 3)
            page.wait_for(lambda s: s["layout"] == "flow" and s["zoom"] < 0.5, "the phone")
            box = rect(page, "#picture")
            page.touches("touchStart", (box[0] + 50 * box[2] / 800, box[1] + 520 * box[2] / 800))
            page.wait_for(lambda s: s["menu"], "the menu by a long press")
            page.touches("touchEnd")
            page.tap_element('#menu [data-action="legend"]')
            state = page.wait_for(lambda s: s["legend"], "the legend")
            self.assertGreaterEqual(state["legendText"], 12 - 1e-6)
            self.assert_fits(page, "with the legend")
            self.assertEqual(page.console_errors(), [])

    # --- Targets -------------------------------------------------------------------------

    def test_targets(self):
        for width, height, scale, touch in ((1366, 768, 1, False), (1024, 768, 2, True),
                                            (390, 844, 3, True)):
            with self.subTest(size="%dx%d" % (width, height)), \
                    Page(PAGE, width=width, height=height, scale=scale, touch=touch) as page:
                slow_pace(page)
                self.assertEqual(page.js(SMALL_TARGETS), [], "at load")
                page.click('[data-control="cmdStart"]')
                page.wait_for(lambda s: s["running"] and s["point"] >= 1, "the run")
                page.click("#run-hold")
                page.wait_for(lambda s: s["state"] == "Held", "the run held")
                self.assertEqual(page.js(SMALL_TARGETS), [], "with a held run")
                page.click("#run-stop")
                page.wait_for(lambda s: not s["running"], "the run stopped")
                page.js("document.getElementById('picture').focus()")
                page.keys(Keys.ENTER)
                page.wait_for(lambda s: s["inspector"], "the inspector")
                self.assertEqual(page.js(SMALL_TARGETS), [], "with the inspector")
                if width == 390:
                    self.audit(page)

    def audit(self, page):
        """axe-core finds nothing against WCAG A and AA where the controls flow."""
        page.js(axe_source(self))
        result = page.driver.execute_async_script("""
            const done = arguments[0];
            axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a',
                                                                 'wcag21aa', 'wcag22aa']},
                               resultTypes: ['violations']})
                .then(r => done(r.violations.map(v => [v.id, v.nodes.map(
                          n => n.target.join(' '))])), e => done('' + e));""")
        self.assertEqual(result, [])

    # --- High contrast, print, downloads -------------------------------------------------

    def test_forced_colours(self):
        with Page(PAGE) as page:
            page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
                "features": [{"name": "forced-colors", "value": "active"}]})
            self.assertTrue(page.js("return matchMedia('(forced-colors: active)').matches"))
            swatches = page.js("""
                return [...document.querySelectorAll('label.coloured')].map(l => {
                    const s = l.querySelector('.swatch');
                    const r = s.getBoundingClientRect();
                    return [l.dataset.control, getComputedStyle(s).backgroundColor,
                            r.width >= 8 && r.height >= 8 && s.checkVisibility()];});""")
            self.assertEqual(swatches, [["opČervený", "rgb(255, 128, 128)", True],
                                        ["OpZelená", "rgb(128, 255, 128)", True],
                                        ["opModrý", "rgb(192, 192, 255)", True]])
            # With the picture itself out of sight, where its labels are painted nothing
            # shows: their texts for screen readers stay unseen.
            page.js("const s = document.createElement('style'); s.textContent ="
                    "'#picture, #overlay { visibility: hidden !important; }';"
                    "document.head.append(s);")
            width, height, rgb = png_of(page.driver.get_screenshot_as_png())
            for name, (x, y, w, h) in (("labTitul", (456, 0, 49, 24)),
                                       ("labKlepnete", (336, 240, 233, 25))):
                colours = {rgb[(row * width + col) * 3:(row * width + col) * 3 + 3]
                           for row in range(y, y + h) for col in range(x, x + w)}
                self.assertEqual(len(colours), 1, "%s shows in high contrast" % name)
            self.assertEqual(page.console_errors(), [])

    def test_print(self):
        with Page(PAGE) as page:
            page.click('[data-control="cmdStart"]')
            self.finish(page)
            page.click("#opČervený")
            page.click('[data-control="cmdStart"]')
            self.finish(page, answer=False)
            page.js("document.getElementById('picture').focus()")
            page.keys(Keys.ENTER)
            page.wait_for(lambda s: s["inspector"], "the inspector")
            result = page.driver.execute_cdp_cmd("Page.printToPDF", {"printBackground": True})
            self.assertTrue(result["data"].startswith("JVBERi"), "no PDF")  # "%PDF"
            self.assertEqual(page.snapshot()["printed"], 1, "the print was not prepared")
            page.driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
            page.js("window.dispatchEvent(new Event('beforeprint'))")
            shown = page.js("""
                const shown = (id) => document.getElementById(id).checkVisibility();
                return [shown('stage'), shown('inspector'), shown('print-sheet'),
                        shown('print-picture')];""")
            self.assertEqual(shown, [False, False, True, True])
            self.assertEqual(page.js("return document.getElementById('print-title')"
                                     ".textContent"), "Ravo - https://ravo.example.org")
            today = datetime.date.today()
            self.assertEqual(page.js("return document.getElementById('print-date').textContent"),
                             "%s %d, %d" % (today.strftime("%B"), today.day, today.year))
            runs = page.js("return [...document.querySelectorAll('#print-runs li')]"
                           ".map(li => li.textContent)")
            self.assertEqual(len(runs), 2)
            self.assertTrue(runs[0].startswith("Run 1: blue, f = 1, dispersion on \u00b7 "
                                               "radius 500, index 0.98"), runs[0])
            self.assertTrue(runs[1].startswith("Run 2: red, f = 0.5"), runs[1])
            # The printed picture is the picture's pixels.
            same = page.driver.execute_async_script("""
                const done = arguments[0];
                const image = document.getElementById('print-picture');
                image.decode().then(() => {
                    const c = document.createElement('canvas');
                    c.width = image.naturalWidth;
                    c.height = image.naturalHeight;
                    const g = c.getContext('2d');
                    g.drawImage(image, 0, 0);
                    const a = g.getImageData(0, 0, c.width, c.height).data;
                    const p = document.getElementById('picture');
                    const b = p.getContext('2d').getImageData(0, 0, p.width, p.height).data;
                    done([c.width, c.height, a.length === b.length && a.every((v, i) => v === b[i])]);
                }, e => done('' + e));""")
            self.assertEqual(same, [800, 581, True])
            self.assertEqual(page.console_errors(), [])

    def test_downloads(self):
        with Page(PAGE) as page, tempfile.TemporaryDirectory() as folder:
            page.driver.execute_cdp_cmd("Browser.setDownloadBehavior", {
                "behavior": "allow", "downloadPath": folder})
            page.click('[data-control="cmdStart"]')
            self.finish(page)
            self.menu(page, "download-picture")
            picture = os.path.join(folder, "ravo-1-run.png")
            wait_for_file(picture)
            width, height, rgb = png.read_png(picture)
            self.assertEqual((width, height), (800, 581))
            shown = page.pixels()[2]
            self.assertEqual(rgb, bytes(b for i, b in enumerate(shown) if i % 4 != 3))

            self.menu(page, "download-data")
            data = os.path.join(folder, "ravo-1-run.tsv")
            wait_for_file(data)
            with open(data, "rb") as f:
                table = f.read()
            self.assertTrue(table.startswith(b"\xef\xbb\xbf"), "no byte order mark")
            page.chord(Keys.CONTROL, Keys.SHIFT, "c")
            page.wait_for(lambda s: s["status"] == "Data copied", "the data copied")
            self.assertEqual(table[3:].decode("utf-8"), page.clipboard_text())
            self.assertEqual(len(table.splitlines()), 86)

            # After a second run, named after it.
            page.click("#opČervený")
            page.click('[data-control="cmdStart"]')
            self.finish(page, answer=False)
            self.menu(page, "download-picture")
            wait_for_file(os.path.join(folder, "ravo-2-runs.png"))
            self.assertEqual(page.snapshot()["downloads"], [
                "ravo-1-run.png", "ravo-1-run.tsv", "ravo-2-runs.png"])
            self.assertEqual(page.console_errors(), [])

    def menu(self, page, action):
        page.js("document.getElementById('picture').focus()")
        page.chord(Keys.SHIFT, Keys.F10)
        page.wait_for(lambda s: s["menu"], "the picture's menu")
        page.click('#menu [data-action="%s"]' % action)
        page.wait_for(lambda s: not s["menu"], "the menu closed")

    # --- Framed by a learning platform ---------------------------------------------------

    def test_in_a_frame(self):
        with Page(PAGE, serve=True) as page:
            port = page.server.server_address[1]
            with open(os.path.join(page.folder, "site", "course.html"), "w",
                      encoding="utf-8") as f:
                f.write('<!DOCTYPE html><html lang="en"><title>A course</title>'
                        '<link rel="icon" href="data:,"><h1>Lenses</h1><iframe id="ravo" title="Ravo" width="820" height="600"'
                        ' src="http://localhost:%d/ravo.html" allow="fullscreen; '
                        'clipboard-write"></iframe>' % port)
            page.viewport(900, 700)
            page.driver.get("http://127.0.0.1:%d/course.html" % port)
            page.driver.switch_to.frame("ravo")
            page.wait_for(lambda s: s and s["ready"], "the framed page")
            self.assertEqual(page.js("return location.origin"), "http://localhost:%d" % port)
            page.click('[data-control="cmdStart"]')
            self.finish(page)
            page.click('[data-control="cmdStart"]')
            page.wait_for(lambda s: s["question"], "the question")
            self.assertEqual(page.js("return [document.hasFocus(), document.activeElement.id]"),
                             [True, "question-yes"])
            page.keys(Keys.ENTER)
            self.finish(page)
            page.js("document.getElementById('picture').focus()")
            page.keys(Keys.ENTER)
            state = page.wait_for(lambda s: s["inspector"], "the inspector")
            self.assertEqual(state["focus"], "inspector")
            page.keys(Keys.ESCAPE)
            page.wait_for(lambda s: s["inspector"] is None and s["focus"] == "picture",
                          "the focus back on the picture")
            page.driver.switch_to.default_content()
            self.assertEqual(page.console_errors(), [])


def png_of(data):
    with tempfile.NamedTemporaryFile(suffix=".png") as f:
        f.write(data)
        f.flush()
        return png.read_png(f.name)


def wait_for_file(path, timeout=30):
    """Until the browser has written the whole file (it writes it under another name
    first)."""
    deadline = time.monotonic() + timeout
    while not os.path.isfile(path) and time.monotonic() < deadline:
        time.sleep(0.05)
    if not os.path.isfile(path):
        raise AssertionError("no download at %s: %s" % (path, os.listdir(os.path.dirname(path))))


if __name__ == "__main__":
    if len(sys.argv) < 2 or not os.path.isfile(sys.argv[1]):
        sys.exit("test_classroom.py: no page at %s; scripts/dev web builds it"
                 % (sys.argv[1] if len(sys.argv) > 1 else "(none given)"))
    PAGE = sys.argv.pop(1)
    unittest.main(verbosity=2)
