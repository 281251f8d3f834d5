# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the translations of the program, Qt Linguist's files i18n/ravo_<lang>.ts, as the
browser page carries them. Standard library only."""

import glob
import os
import re
import xml.etree.ElementTree as ElementTree


class SourceError(Exception):
    pass


def read_translation(path):
    """One Qt Linguist file: (language, {context: {key: translation}}), the key the source
    text, or for a message with a note to the translator, the source text, a character 4
    and the note. Messages with no translation, and vanished or obsolete ones, are left out.
    Of plural forms the first stands under the key, and all of them, in order, under the key
    and a character 5."""
    try:
        root = ElementTree.parse(path).getroot()
    except ElementTree.ParseError as error:
        raise SourceError("%s: %s" % (path, error)) from None
    if root.tag != "TS":
        raise SourceError("%s is no Qt Linguist file" % path)
    match = re.fullmatch(r"ravo_(.+)\.ts", os.path.basename(path))
    language = (match.group(1) if match else root.get("language", "")).replace("_", "-")
    contexts = {}
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if source is None or translation is None:
                continue
            if translation.get("type") in ("vanished", "obsolete"):
                continue
            forms = translation.findall("numerusform")
            value = forms[0].text if forms else translation.text
            comment = message.findtext("comment")
            key = source + "\x04" + comment if comment else source
            if value:
                contexts.setdefault(name, {})[key] = value
                if forms and all(form.text for form in forms):
                    contexts[name][key + "\x05"] = [form.text for form in forms]
    return language, contexts


def read_translations(folder):
    """Every i18n/ravo_*.ts in folder: {language: {context: {source: translation}}}."""
    languages = {}
    for path in sorted(glob.glob(os.path.join(folder, "ravo_*.ts"))):
        language, contexts = read_translation(path)
        if contexts:
            languages[language] = contexts
    return languages
