# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads what the browser page takes from the desktop program's sources: the control table
(app/ControlTable.cpp), the controls' help texts (app/ControlHelp.cpp) and the Qt Linguist
translations (i18n/ravo_<lang>.ts). Standard library only.

The C++ tables are read as C++ initialiser lists: entries in braces, fields split at the
top-level commas. A text field is the last string literal in it, adjacent literals joined,
so that "Radius of lens" and QT_TRANSLATE_NOOP("ControlTable", "Radius of lens") read
alike. A table whose shape is not understood stops the build with the reason.
"""

import glob
import os
import re
import xml.etree.ElementTree as ElementTree

GROUND = (192, 192, 192)  # the design's window grey, draw/Palette.cpp


class SourceError(Exception):
    pass


_TOKEN = re.compile(r'"(?:\\.|[^"\\])*"|//[^\n]*|/\*.*?\*/|[{}(),]|[^"{}(),/]+|/',
                    re.DOTALL)


def _tokens(text):
    for match in _TOKEN.finditer(text):
        token = match.group(0)
        if token.startswith("//") or token.startswith("/*"):
            continue
        yield token


def _unescape(literal):
    body = literal[1:-1]
    escapes = {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'"}
    out = []
    i = 0
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body):
            nxt = body[i + 1]
            if nxt == "u" and i + 5 < len(body):
                out.append(chr(int(body[i + 2:i + 6], 16)))
                i += 6
                continue
            out.append(escapes.get(nxt, nxt))
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def _array_body(text, declaration):
    """The tokens between the braces of the array initialiser that follows declaration."""
    at = text.find(declaration)
    if at < 0:
        raise SourceError("no %r" % declaration)
    tokens = list(_tokens(text[at + len(declaration):]))
    try:
        start = tokens.index("{")
    except ValueError:
        raise SourceError("no initialiser after %r" % declaration) from None
    depth = 0
    for i in range(start, len(tokens)):
        if tokens[i] in "{(":
            depth += 1
        elif tokens[i] in "})":
            depth -= 1
            if depth == 0:
                return tokens[start + 1:i]
    raise SourceError("unbalanced initialiser after %r" % declaration)


def _split(tokens, opening="{"):
    """Top-level groups: the entries of a list of {...} (opening "{"), or the fields of one
    entry split at its top-level commas (opening None)."""
    if opening is None:
        fields, current, depth = [], [], 0
        for t in tokens:
            if t in "{(":
                depth += 1
            elif t in "})":
                depth -= 1
            if t == "," and depth == 0:
                fields.append(current)
                current = []
            else:
                current.append(t)
        if any(tok.strip() for tok in current):
            fields.append(current)
        return fields
    entries, depth, current = [], 0, None
    for t in tokens:
        if t == "{":
            depth += 1
            if depth == 1:
                current = []
                continue
        elif t == "}":
            depth -= 1
            if depth == 0:
                entries.append(current)
                current = None
                continue
        if current is not None:
            current.append(t)
    return entries


def _literals(field):
    """Every run of adjacent string literals of a field, each joined."""
    groups, current = [], None
    for t in field:
        if t.startswith('"'):
            if current is None:
                current = []
            current.append(_unescape(t))
        elif t.strip():
            if current is not None:
                groups.append("".join(current))
                current = None
    if current is not None:
        groups.append("".join(current))
    return groups


def _text_of(field):
    """The field's text: its last run of adjacent string literals, joined; None if none."""
    groups = _literals(field)
    return groups[-1] if groups else None


def _caption_of(field):
    """A caption written plainly, as QT_TRANSLATE_NOOP(context, text) or as
    QT_TRANSLATE_NOOP3(context, text, comment), braced or not: (text, comment or None)."""
    groups = _literals(field)
    code = _plain(field)
    if "QT_TRANSLATE_NOOP3" in code:
        if len(groups) != 3:
            raise SourceError("a caption that is no QT_TRANSLATE_NOOP3(context, text, comment): %s"
                              % code)
        return groups[1], groups[2]
    if "QT_TRANSLATE_NOOP" in code:
        if len(groups) != 2:
            raise SourceError("a caption that is no QT_TRANSLATE_NOOP(context, text): %s" % code)
        return groups[1], None
    return (groups[-1] if groups else ""), None


def _plain(field):
    return "".join(t for t in field).strip()


def _numbers(field):
    return [int(n) for n in re.findall(r"-?\d+", _plain(field))]


def _colour(field):
    code = _plain(field)
    if code in ("", "grey") or code.endswith("ground"):
        return GROUND
    if code == "Qt::white":
        return (255, 255, 255)
    if code == "Qt::black":
        return (0, 0, 0)
    match = re.fullmatch(r"QColor\((\d+),(\d+),(\d+)\)", code.replace(" ", ""))
    if not match:
        raise SourceError("a colour the page does not know: %r" % code)
    return tuple(int(v) for v in match.groups())


def _suffix(field, prefix):
    code = _plain(field)
    if not code.startswith(prefix):
        raise SourceError("expected %s..., found %r" % (prefix, code))
    return code[len(prefix):]


def read_control_table(path):
    """The controls of app/ControlTable.cpp in table order: dicts with name, kind,
    container (None on the window), text, rect [x, y, w, h] relative to the container,
    tab, shown, font, textBox and background [r, g, b]."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    controls = []
    for entry in _split(_array_body(text, "ControlEntry entries[] =")):
        fields = _split(entry, None)
        if len(fields) < 7:
            raise SourceError("a control entry with %d fields: %s" % (len(fields), _plain(entry)))
        container = _plain(fields[2])
        rect = _numbers(fields[4])
        if len(rect) != 4:
            raise SourceError("a geometry that is no {x, y, w, h}: %s" % _plain(fields[4]))
        controls.append({
            "name": _text_of(fields[0]),
            "kind": _suffix(fields[1], "K::"),
            "container": None if container == "nullptr" else _text_of(fields[2]),
            "text": _caption_of(fields[3])[0],
            "textComment": _caption_of(fields[3])[1],
            "rect": rect,
            "tab": int(_plain(fields[5])),
            "shown": _plain(fields[6]) == "true",
            "font": _suffix(fields[7], "F::") if len(fields) > 7 else "Default",
            "textBox": _suffix(fields[8], "T::") if len(fields) > 8 else "None",
            "background": list(_colour(fields[9]) if len(fields) > 9 else GROUND),
        })
    names = {c["name"] for c in controls}
    for c in controls:
        if c["container"] is not None and c["container"] not in names:
            raise SourceError("%s stands in %s, which is no control" % (c["name"], c["container"]))
    if "cmdStart" not in names or len(controls) < 20:
        raise SourceError("the control table reads as %d controls without cmdStart"
                          % len(controls))
    return controls


def read_control_help(path):
    """The help of app/ControlHelp.cpp: {control: {"name": accessible name, "text": the
    fixed help text, or None where it follows the settings}}."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    helps = {}
    for entry in _split(_array_body(text, "ControlHelp helpEntries[] =")):
        fields = _split(entry, None)
        # {control, name, text function} or {control, name, nullptr, fixed text}
        if len(fields) == 4 and _plain(fields[2]) == "nullptr":
            fixed = _caption_of(fields[3])[0]
        elif len(fields) == 3:
            fixed = None
        else:
            raise SourceError("a help entry with %d fields: %s" % (len(fields), _plain(entry)))
        helps[_text_of(fields[0])] = {"name": _caption_of(fields[1])[0], "text": fixed}
    if "cmdStart" not in helps:
        raise SourceError("the help table reads without cmdStart")
    return helps


def read_translation(path):
    """One Qt Linguist file: (language, {context: {key: translation}}), the key the source
    text, or for a message with a note to the translator, the source text, a character 4
    and the note. Messages with no translation, and vanished or obsolete ones, are left out.
    Of plural forms the first stands under the key, and all of them, in order, under the key
    and a character 5."""
    root = ElementTree.parse(path).getroot()
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
