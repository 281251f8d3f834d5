#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The page's texts and the build step that puts them in:

    test_texts.py PAGE.html

Translations in Qt Linguist files become the page's data (unfinished ones with a text
count, vanished and empty ones do not); the page is made from web/page, the translations
and the compiled program alone, none of the window's sources; and the page, given a Czech
translation, shows it to a reader whose browser asks for Czech first (the readout and the
point inspector with the decimal comma, the inspector with the plural form for its count
of paths), and English to one who asks for English or for a language the page does not
have.
"""

import os
import re
import shutil
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(ROOT, "web", "tools"))
import make_page  # noqa: E402
import translations  # noqa: E402
from browser import Page  # noqa: E402
import model  # noqa: E402

from selenium.webdriver.common.action_chains import ActionChains  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

PAGE = None

CZECH = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>ControlTable</name>
    <message><source>Radius of lens</source><translation>Poloměr čočky</translation></message>
    <message><source>Start</source><translation type="unfinished">Spustit</translation></message>
    <message><source>Exit</source><translation type="unfinished"></translation></message>
    <message><source>Great</source><translation type="vanished">Obrovský</translation></message>
    <message><source>Please press button Start</source>
        <translation>Stiskněte tlačítko Spustit</translation></message>
</context>
<context>
    <name>PointView</name>
    <message><source>Point %1 of %2, x = %3: P = %4</source>
        <translation>Bod %1 z %2, x = %3: P = %4</translation></message>
    <message numerus="yes">
        <source>%n path(s); the resultant is %1 long (P = its length squared times %2)</source>
        <translation><numerusform>%n dráha, výslednice %1 (krát %2)</numerusform>
        <numerusform>%n dráhy, výslednice %1 (krát %2)</numerusform>
        <numerusform>%n drah, výslednice %1 (krát %2)</numerusform></translation></message>
</context>
<context>
    <name>MarkReadout</name>
    <message><source>Point %1, x = %2: P = %3 · %4</source>
        <translation>Bod %1, x = %2: P = %3 · %4</translation></message>
    <message><source>%1, f = %2, %3 · radius %4, index %5, whole lens, aperture %6</source>
        <translation>%1, f = %2, %3 · poloměr %4, index %5, celá čočka, clona %6</translation>
    </message>
    <message><source>blue</source><translation>modrá</translation></message>
    <message><source>dispersion on</source><translation>disperze zapnuta</translation></message>
</context>
<context>
    <name>MarkTable</name>
    <message><source>run</source><translation>běh</translation></message>
    <message><source>whole</source><translation>celá</translation></message>
</context>
<context>
    <name>frmRavo</name>
    <message><source>Blue light: highest probability %1 at x = %2</source>
        <translation>Modré světlo: nejvyšší pravděpodobnost %1 pro x = %2</translation></message>
    <message><source>Delete probability</source>
        <translation>Smazat pravděpodobnost</translation></message>
    <message><source>Yes</source><translation>Ano</translation></message>
    <message><source>No</source><translation>Ne</translation></message>
    <message numerus="yes"><source>%n runs</source>
        <translation><numerusform>%n běh</numerusform><numerusform>%n běhy</numerusform>
        </translation></message>
</context>
</TS>
"""

# A file whose every message has gone: no language at all.
GERMAN = """<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de_DE">
<context><name>ControlTable</name>
    <message><source>Start</source><translation type="obsolete">Los</translation></message>
</context>
</TS>
"""


def comma(number):
    """A number with one decimal as Czech writes it."""
    return ("%.1f" % number).replace(".", ",")


class TextsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="ravo-texts-")
        os.makedirs(os.path.join(cls.root, "i18n"))
        for name, text in (("ravo_cs.ts", CZECH), ("ravo_de.ts", GERMAN)):
            with open(os.path.join(cls.root, "i18n", name), "w", encoding="utf-8") as f:
                f.write(text)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root, ignore_errors=True)

    def test_translations_read(self):
        texts = make_page.texts_data(self.root)
        self.assertEqual(list(texts["languages"]), ["cs"])
        czech = texts["languages"]["cs"]
        self.assertEqual(czech["ControlTable"], {
            "Radius of lens": "Poloměr čočky", "Start": "Spustit",
            "Please press button Start": "Stiskněte tlačítko Spustit"})
        self.assertEqual(czech["frmRavo"]["Delete probability"], "Smazat pravděpodobnost")
        self.assertEqual(czech["frmRavo"]["%n runs"], "%n běh")
        self.assertEqual(czech["frmRavo"]["%n runs\x05"], ["%n běh", "%n běhy"])

    def test_no_translations_is_english(self):
        empty = tempfile.mkdtemp(prefix="ravo-texts-")
        try:
            self.assertEqual(make_page.texts_data(empty), {"languages": {}})
        finally:
            shutil.rmtree(empty)

    def test_a_broken_translation_stops_the_build(self):
        broken = tempfile.mkdtemp(prefix="ravo-texts-")
        try:
            os.makedirs(os.path.join(broken, "i18n"))
            with open(os.path.join(broken, "i18n", "ravo_fr.ts"), "w", encoding="utf-8") as f:
                f.write(CZECH[:CZECH.index("</context>")])
            with self.assertRaises(translations.SourceError):
                make_page.texts_data(broken)
        finally:
            shutil.rmtree(broken)

    def test_made_from_the_page_and_the_translations_alone(self):
        """The page is made from web/page, i18n and the compiled program: a tree that holds
        nothing else makes the same page; nothing under web/ reads the window's sources."""
        tree = tempfile.mkdtemp(prefix="ravo-tree-")
        try:
            shutil.copytree(os.path.join(ROOT, "web", "page"), os.path.join(tree, "web", "page"))
            shutil.copytree(os.path.join(ROOT, "i18n"), os.path.join(tree, "i18n"))
            module = os.path.join(os.path.dirname(os.path.abspath(PAGE)), "ravo.js")
            made = make_page.make_page(tree, module)
            self.assertEqual(made, make_page.make_page(ROOT, module))
        finally:
            shutil.rmtree(tree, ignore_errors=True)
        for folder, _, files in os.walk(os.path.join(ROOT, "web")):
            for name in files:
                path = os.path.join(folder, name)
                with open(path, encoding="utf-8", errors="replace") as f:
                    self.assertIsNone(re.search(r"app/\w+\.(cpp|h)\b", f.read()), path)

    def page_in(self, languages):
        with open(PAGE, encoding="utf-8") as f:
            html = make_page.with_texts(f.read(), make_page.texts_data(self.root))
        translated = os.path.join(self.root, "ravo.html")
        with open(translated, "w", encoding="utf-8") as f:
            f.write(html)
        return Page(translated, languages=languages)

    def shown_texts(self, page):
        return page.js("""return {
            lang: document.documentElement.lang,
            radius: document.querySelector('[data-control="frmPoloměrLupy"] > legend').textContent,
            start: document.querySelector('[data-control="cmdStart"]').textContent,
            exit: document.querySelector('[data-control="cmdKonec"]').textContent,
            great: document.querySelector('[data-control="opVelký"]').textContent};""")

    def test_page_in_czech(self):
        with self.page_in("cs-CZ,cs,en") as page:
            self.assertEqual(self.shown_texts(page), {
                "lang": "cs", "radius": "Poloměr čočky", "start": "Spustit", "exit": "Exit",
                "great": "Great"})
            for _ in range(2):
                page.click('[data-control="cmdStart"]')
                state = page.wait_for(lambda s: s["state"] == "Finished" or s["question"],
                                      "the run or its question")
            self.assertEqual(state["question"], "Smazat pravděpodobnost")
            self.assertEqual(page.js("return [...document.querySelectorAll('#question button')]"
                                     ".map(b => b.textContent)"), ["Ano", "Ne"])
            page.click("#question-no")
            page.wait_for(lambda s: s["state"] == "Finished", "the second run")
            # The readout of the peak's two marks and the picture's description, in Czech
            # words (those the translation has) and with the decimal comma, as the window
            # writes them in Czech.
            i, x, p, mark_y = max(model.points("1"), key=lambda point: point[2])
            at_peak = ActionChains(page.driver).move_to_element_with_offset(
                page.driver.find_element("css selector", "#picture"), x - 400,
                round(mark_y - 290.5))
            at_peak.perform()
            line = ("Bod %d, x = %d: P = %s · modrá, f = 1, disperze zapnuta · poloměr 500, "
                    "index 0,98, celá čočka, clona 0" % (i, x, comma(p)))
            self.assertEqual(page.js("return document.getElementById('picture').title"),
                             line + "\n" + line)
            description = page.js(
                "return document.getElementById('picture-description').textContent")
            self.assertIn("Run 1, modrá, f = 1, disperze zapnuta · poloměr 500, index 0,98, "
                          "celá čočka, clona 0: it comes to its focus at point %d, x = %d, "
                          "with P = %s;" % (i, x, comma(p)), description)
            # The copied marks: the table's words and decimal comma (an untranslated column
            # name stays English).
            ActionChains(page.driver).key_down(Keys.CONTROL).key_down(Keys.SHIFT) \
                .send_keys("c").key_up(Keys.SHIFT).key_up(Keys.CONTROL).perform()
            page.wait_for(lambda s: s["status"] == "Data copied", "the data copied")
            page.driver.execute_cdp_cmd("Browser.grantPermissions", {
                "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
            table = page.driver.execute_async_script(
                "navigator.clipboard.readText().then(arguments[0], e => arguments[0]('' + e));")
            lines = table.splitlines()
            self.assertEqual(lines[0].split("\t")[:2], ["běh", "colour"])
            self.assertEqual(len(lines), 1 + 2 * 85)
            self.assertEqual(lines[1].split("\t")[:8], ["1", "modrá", "1", "disperze zapnuta",
                                                        "500", "0,98", "celá", "0"])
            # The point inspector of the peak: the plural form for its 81 paths, and the
            # numbers with the language's decimal comma.
            at_peak.click().perform()
            shown = page.wait_for(lambda s: s["inspector"], "the inspector")["inspector"]
            self.assertRegex(shown["numbers"], r"^Bod %d z 85, x = %d: P = \d+,\d{3}$" % (i, x))
            paths = page.js("return document.getElementById('inspector-paths').textContent")
            self.assertRegex(paths, r"^81 drah, výslednice \d+,\d\d \(krát 0,012\)$")
            self.assertEqual(page.console_errors(), [])

    def test_page_in_english(self):
        for languages in ("en-GB,cs", "de-AT,de"):
            with self.page_in(languages) as page:
                self.assertEqual(self.shown_texts(page), {
                    "lang": "en", "radius": "Radius of lens", "start": "Start",
                    "exit": "Exit", "great": "Great"}, languages)


if __name__ == "__main__":
    if len(sys.argv) < 2 or not os.path.isfile(sys.argv[1]):
        sys.exit("test_texts.py: no page at %s; scripts/dev web builds it"
                 % (sys.argv[1] if len(sys.argv) > 1 else "(none given)"))
    PAGE = sys.argv.pop(1)
    unittest.main(verbosity=2)
