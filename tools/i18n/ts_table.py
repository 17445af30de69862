#!/usr/bin/python3
"""Writes the C++ table of the translations in .ts files, for the programs
that look their texts up without the toolkit (src/platform/translation_table.h).

  ts_table.py OUTPUT.cpp translations/tessaro_de.ts [...]

The language is the part of the file name after the last '_'. Unfinished
translations are written as null: the program shows the English text.
"""
import os
import sys
import xml.etree.ElementTree as ET


def c_string(text):
    """A C++ string literal of the text's UTF-8 bytes."""
    out = []
    for byte in text.encode("utf-8"):
        c = chr(byte)
        if c == "\\":
            out.append("\\\\")
        elif c == '"':
            out.append('\\"')
        elif c == "\n":
            out.append("\\n")
        elif c == "\r":
            out.append("\\r")
        elif c == "\t":
            out.append("\\t")
        elif 32 <= byte < 127:
            out.append(c)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def entries(path):
    """(source, translation or None) for each message that is not vanished."""
    for message in ET.parse(path).getroot().iter("message"):
        source = message.findtext("source", "")
        element = message.find("translation")
        kind = element.get("type", "") if element is not None else "unfinished"
        if kind in ("vanished", "obsolete"):
            continue
        text = element.text if element is not None and element.text else ""
        yield source, (text if text and kind != "unfinished" else None)


def main():
    if len(sys.argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    output, files = sys.argv[1], sys.argv[2:]
    lines = [
        "// Made by tools/i18n/ts_table.py from " + ", ".join(os.path.basename(f) for f in files),
        '#include "platform/translation_table.h"',
        "",
        "namespace {",
    ]
    tables = []
    for index, path in enumerate(files):
        language = os.path.splitext(os.path.basename(path))[0].rsplit("_", 1)[-1]
        lines.append("const TranslationEntry kEntries%d[] = {" % index)
        count = 0
        for source, translation in entries(path):
            lines.append(
                "    {%s, %s}," % (c_string(source), c_string(translation) if translation else "nullptr")
            )
            count += 1
        lines.append("};")
        tables.append('    {"%s", kEntries%d, %d},' % (language, index, count))
    lines += ["const LanguageTable kTables[] = {"] + tables + ["};", "} // namespace", ""]
    lines.append("const std::span<const LanguageTable> kLanguageTables = kTables;")
    text = "\n".join(lines) + "\n"
    if not os.path.exists(output) or open(output, encoding="utf-8").read() != text:
        with open(output, "w", encoding="utf-8") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
