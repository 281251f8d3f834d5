#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end test of the program in the class's language, read as a screen reader reads it,
on a real X server.

    test_language_e2e.py RAVO_BINARY

Under LANGUAGE=cs and LANGUAGE=de: every frame, option, button and caption of the window,
with its description, is in that language (each name and description as the translation
file gives it, none left in English); a run ends with the captions shown; the second run's
question reads "Ano"/"Ne" or "Ja"/"Nein", and its answer "No" keeps the marks.
Leaves no X server behind.
"""

import os
import sys
import time
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import ravo_x11  # noqa: E402

check = ravo_x11.check
I18N = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "i18n")
ANSWERS = {"cs": ("Ano", "Ne"), "de": ("Ja", "Nein")}


def translations(language):
    """{English source: translations} of the program's texts (a source may have one
    translation in each of several places)."""
    root = ElementTree.parse(os.path.join(I18N, "ravo_%s.ts" % language)).getroot()
    found = {}
    for context in root.iter("context"):
        for message in context.iter("message"):
            if message.find("comment") is None and message.find("translation").text:
                found.setdefault(message.findtext("source"), set()).add(
                    message.find("translation").text)
    return found


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    started = time.monotonic()
    for language in ("cs", "de"):
        words = translations(language)
        # Words the language writes as English does ("Start", German "Dispersion") are not
        # left untranslated.
        english = {source for source, texts in words.items() if source not in texts}
        with ravo_x11.RavoSession(argv[1], language=language) as session:
            session.wait_for_status(lambda s: True, 15, "the window on the bus")
            tree = session.accessible_tree()
            named = [(role, name, text) for role, name, text in tree
                     if role in ("panel", "radio button", "push button", "check box")]
            check(len(named) >= 25, "%s: the window shows %d named controls" % (language, len(named)))
            left = [name for _, name, _ in named if name in english]
            check(not left, "%s: every control's name is translated (English: %s)"
                  % (language, left))
            translated_names = set().union(*words.values())
            foreign = [name for _, name, _ in named
                       if name not in translated_names and ":" not in name]
            check(not foreign, "%s: the names are the translation file's (not: %s)"
                  % (language, foreign))
            described = [text for _, _, text in named if text]
            check(described and not any(text in english for text in described),
                  "%s: the descriptions are in the language too" % language)

            image = session.run()
            check(session.captions_shown(image), "%s: a run ends with its captions" % language)
            session.click_control(ravo_x11.START_BUTTON)
            session.wait_for_window(ravo_x11.QUESTION_TITLE, 15)
            box = []
            session.wait_until(lambda: box.extend(session.accessible_tree(box=True)) or box,
                               15, "the question on the bus")
            buttons = sorted(name for role, name, _ in box if role == "push button")
            check(buttons == sorted(ANSWERS[language]),
                  "%s: the question's buttons read %s" % (language, buttons))
            session.answer_no()
            finished = next(iter(words["Finished: %1 of %2 points"]))
            finished = finished.replace("%1", "85").replace("%2", "85")
            session.wait_for_status(lambda s: s == finished, 30,
                                    "%s: the second run to end as %r" % (language, finished))
    return ravo_x11.finish(started)


if __name__ == "__main__":
    ravo_x11.run_test(main)
