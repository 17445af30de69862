#!/usr/bin/python3
"""Collects every text marked N_("...") or Tr("...") in src/ into the translation files
translations/tessaro_LANG.ts, keeping the translations they hold. A new text
comes in unfinished, a text no longer in the code goes. Open the files in Qt
Linguist (or any editor) to translate; the build makes the programs' tables.

  update_translations.py [--check] [ROOT]

--check changes nothing: it lists texts missing from a file, texts the code no
longer has, and unfinished translations, and exits 1 when there is any.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

CONTEXT = "Tessaro"
SUFFIXES = (".cpp", ".h")
# Comments, raw strings, character and string literals, in the order they stand.
TOKEN = re.compile(
    r'//[^\n]*|/\*.*?\*/|(?<!\w)R"([^(\s]*)\(.*?\)\1"|\'(?:[^\'\\\n]|\\.)*\'|"(?:[^"\\\n]|\\.)*"',
    re.S,
)
# N_ marks a text; Tr (the window's) marks and translates it.
MARK = re.compile(r'\b(?:N_|Tr)\(\s*((?:"(?:[^"\\\n]|\\.)*"\s*)+)\)')
RAW_MARK = re.compile(r'\b(?:N_|Tr)\(\s*R"([^(\s]*)\((.*?)\)\1"\s*\)', re.S)
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\", '"': '"', "'": "'", "0": "\0"}


def without_comments(text):
    def blank(m):
        t = m.group(0)
        return re.sub(r"[^\n]", " ", t) if t.startswith("/") else t

    return TOKEN.sub(blank, text)


def unescape(body):
    out, i = [], 0
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body):
            e = body[i + 1]
            if e == "x":
                m = re.match(r"[0-9a-fA-F]+", body[i + 2 :])
                out.append(chr(int(m.group(0), 16)))
                i += 2 + len(m.group(0))
                continue
            out.append(ESCAPES.get(e, e))
            i += 2
            continue
        out.append(c)
        i += 1
    return "".join(out)


def marked_texts(root):
    """{source: [location, ...]} in the order the texts are first found."""
    texts = {}
    src = os.path.join(root, "src")
    for folder, dirs, files in os.walk(src):
        dirs.sort()
        for name in sorted(files):
            if not name.endswith(SUFFIXES):
                continue
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, root).replace(os.sep, "/")
            code = without_comments(open(path, encoding="utf-8").read())
            found = [(m.start(), "".join(unescape(b) for b in LITERAL.findall(m.group(1))))
                     for m in MARK.finditer(code)]
            found += [(m.start(), m.group(2)) for m in RAW_MARK.finditer(code)]
            for start, source in sorted(found):
                line = code.count("\n", 0, start) + 1
                texts.setdefault(source, []).append((rel, line))
    return texts


def read_ts(path):
    """{source: (translation, finished)} of the messages a file holds."""
    held = {}
    if not os.path.exists(path):
        return held
    for message in ET.parse(path).getroot().iter("message"):
        element = message.find("translation")
        text = (element.text or "") if element is not None else ""
        kind = element.get("type", "") if element is not None else "unfinished"
        if kind not in ("vanished", "obsolete"):
            held[message.findtext("source", "")] = (text, kind != "unfinished" and text != "")
    return held


def xml_text(text):
    return escape(text, {'"': "&quot;", "'": "&apos;", "\r": "&#xd;", "\t": "&#x9;"})


def ts_text(language, texts, held):
    out = [
        '<?xml version="1.0" encoding="utf-8"?>',
        "<!DOCTYPE TS>",
        '<TS version="2.1" language="%s">' % language,
        "<context>",
        "    <name>%s</name>" % CONTEXT,
    ]
    for source, places in texts.items():
        translation, finished = held.get(source, ("", False))
        out.append("    <message>")
        for rel, line in places:
            out.append('        <location filename="../%s" line="%d"/>' % (rel, line))
        out.append("        <source>%s</source>" % xml_text(source))
        kind = "" if finished else ' type="unfinished"'
        out.append("        <translation%s>%s</translation>" % (kind, xml_text(translation)))
        out.append("    </message>")
    out += ["</context>", "</TS>", ""]
    return "\n".join(out)


def main():
    args = [a for a in sys.argv[1:] if a != "--check"]
    check = "--check" in sys.argv[1:]
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    root = os.path.abspath(args[0] if args else here)
    folder = os.path.join(root, "translations")
    texts = marked_texts(root)
    problems = []
    for name in sorted(os.listdir(folder)):
        m = re.fullmatch(r"tessaro_(\w+)\.ts", name)
        if not m:
            continue
        path = os.path.join(folder, name)
        held = read_ts(path)
        for source in texts:
            if source not in held:
                problems.append("%s: not in the file: %r" % (name, source))
            elif not held[source][1]:
                problems.append("%s: unfinished: %r" % (name, source))
        for source in held:
            if source not in texts:
                problems.append("%s: no longer in the code: %r" % (name, source))
        if not check:
            text = ts_text(m.group(1), texts, held)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
    if check:
        for p in problems:
            print(p)
        return 1 if problems else 0
    print("%d texts; %d to translate or take out" % (len(texts), len(problems)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
