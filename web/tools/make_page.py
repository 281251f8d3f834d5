#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes Ravo's browser page, one self-contained file:

    make_page.py --root PROJECT --module ravo.js --out ravo.html

The template web/page/ravo.html gets its style (ravo.css), the page's texts in every
language of i18n/ravo_*.ts (English alone when there is none), the compiled program
(ravo.js, whose WebAssembly is embedded in it, and which hands the page its controls, texts,
colours and everything else it shows) and the page's script, all inline. The script is the
parts in SCRIPT_PARTS, in that order, in one scope.
"""

import argparse
import json
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import translations  # noqa: E402

TITLE = "Ravo - https://ravo.example.org"
SIZE_LIMIT = 3 * 1024 * 1024
# The page's script: the DOM and canvas glue, by what it shows; the last one starts it.
SCRIPT_PARTS = ["picture.js", "controls.js", "layout.js", "run.js", "menu.js", "point.js",
                "reading.js", "links.js", "ravo-page.js"]


def _json_for_script(data):
    # Inside <script>, "</" could end the element; JSON allows "<\/" for it.
    return json.dumps(data, ensure_ascii=False, separators=(",", ":")).replace("</", "<\\/")


def texts_data(root):
    return {"languages": translations.read_translations(os.path.join(root, "i18n"))}


def with_texts(html, texts):
    """The page with its texts replaced: the element ravo-texts holds them."""
    start_tag = '<script type="application/json" id="ravo-texts">'
    start = html.index(start_tag) + len(start_tag)
    end = html.index("</script>", start)
    return html[:start] + _json_for_script(texts) + html[end:]


def page_script(here):
    """The parts of the page's script in one scope; every script in web/page is one of
    them."""
    present = sorted(name for name in os.listdir(here) if name.endswith(".js"))
    if present != sorted(SCRIPT_PARTS):
        raise SystemExit("web/page holds the scripts %s, the page is made of %s"
                         % (present, SCRIPT_PARTS))
    parts = []
    for name in SCRIPT_PARTS:
        with open(os.path.join(here, name), encoding="utf-8") as f:
            parts.append("// --- %s\n%s" % (name, f.read()))
    return '"use strict";\n(() => {\n' + "\n".join(parts) + "})();\n"


def make_page(root, module_js):
    here = os.path.join(root, "web", "page")

    def read(name):
        with open(os.path.join(here, name), encoding="utf-8") as f:
            return f.read()

    with open(module_js, encoding="utf-8") as f:
        module = f.read()
    script = page_script(here)
    for name, code in (("ravo.js", module), ("the page's script", script)):
        if "</script" in code.lower():
            raise SystemExit("%s holds </script, which would end its element" % name)
    parts = {
        "@TITLE@": TITLE,
        "@STYLE@": read("ravo.css"),
        "@TEXTS@": _json_for_script(texts_data(root)),
        "@MODULE@": module,
        "@SCRIPT@": script,
    }
    html = read("ravo.html")
    for key, value in parts.items():
        if html.count(key) != 1:
            raise SystemExit("the template has %d places for %s" % (html.count(key), key))
    # One pass, so that no part is searched for the keys of another.
    out, i = [], 0
    while i < len(html):
        at = html.find("@", i)
        if at < 0:
            out.append(html[i:])
            break
        key = next((k for k in parts if html.startswith(k, at)), None)
        if key is None:
            out.append(html[i:at + 1])
            i = at + 1
            continue
        out.append(html[i:at])
        out.append(parts[key])
        i = at + len(key)
    return "".join(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", required=True)
    parser.add_argument("--module", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    try:
        html = make_page(args.root, args.module)
    except translations.SourceError as error:
        raise SystemExit("make_page: %s" % error) from None
    data = html.encode("utf-8")
    if len(data) > SIZE_LIMIT:
        raise SystemExit("the page is %d bytes, more than %d" % (len(data), SIZE_LIMIT))
    tmp = args.out + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, args.out)
    print("%s: %d bytes" % (args.out, len(data)))


if __name__ == "__main__":
    main()
