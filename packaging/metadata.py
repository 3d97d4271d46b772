#!/usr/bin/env python3
"""What is installed around the programs, made from the project's sources.

The desktop entry, the AppStream metadata and the MIME type in every
language of the program: the English templates in packaging/ hold the texts;
their translations live beside the program's own, in translations/*.ts under
the context "metadata", so that one translation pass covers both.

  metadata.py texts TEMPLATE...           the texts to translate, as C++ that
                                          lupdate reads (scripts/translations)
  metadata.py build TEMPLATE OUT TS...    TEMPLATE with every finished
                                          translation of the TS files, to OUT

The manual's synopsis of zenbelts-cli, from the usage its --help prints:

  metadata.py synopsis USAGE              roff for the SYNOPSIS section

The kind of a template follows from its name: *.desktop*, *.metainfo.xml*,
*mime*. Output is the same for the same input, whatever the order of the TS
files."""

import pathlib
import re
import sys
import xml.etree.ElementTree as ET

CONTEXT = "metadata"
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"
MIME_NS = "http://www.freedesktop.org/standards/shared-mime-info"

# Keys of a desktop entry that a user reads; the name is the program's own.
DESKTOP_KEYS = ("GenericName", "Comment", "Keywords")
# Translators read these beside the text.
NOTES = {
    "Keywords": "Search words for the desktop's menus, each followed by a semicolon, the last one too; "
                "keep an English word where users search for it.",
}


def kind(path):
    name = pathlib.Path(path).name
    for k in ("desktop", "metainfo", "mime"):
        if k in name:
            return k
    sys.exit(f"{path}: not a desktop entry, metainfo or MIME template")


def plain(text):
    """XML text as a reader sees it: runs of white space are one space."""
    return " ".join((text or "").split())


def metainfo_elements(root):
    """The elements of a metainfo file whose text is translated, in order.
    Release notes come from the changelog, which is English alone."""
    found = []
    for child in root:
        if child.tag == "summary":
            found.append(child)
        elif child.tag == "description":
            found += [e for e in child.iter() if e.tag in ("p", "li")]
        elif child.tag == "screenshots":
            found += [e for e in child.iter() if e.tag == "caption"]
    for e in found:
        if len(e):
            sys.exit(f"<{e.tag}> with markup inside cannot be translated whole")
    return found


def mime_elements(root):
    return [e for e in root.iter(f"{{{MIME_NS}}}comment") if XML_LANG not in e.attrib]


def desktop_texts(lines):
    """(key, text) of every translated line of the [Desktop Entry] group."""
    texts = []
    group = None
    for line in lines:
        if line.startswith("["):
            group = line.strip()
        elif group == "[Desktop Entry]" and "=" in line:
            key, value = line.split("=", 1)
            if key in DESKTOP_KEYS:
                texts.append((key, value))
    return texts


def texts_of(path):
    """(text, note) of every translated text of a template."""
    k = kind(path)
    if k == "desktop":
        lines = pathlib.Path(path).read_text(encoding="utf-8").splitlines()
        return [(value, NOTES.get(key)) for key, value in desktop_texts(lines)]
    root = ET.parse(path).getroot()
    elements = metainfo_elements(root) if k == "metainfo" else mime_elements(root)
    return [(plain(e.text), None) for e in elements]


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_texts(templates):
    print("// The texts of packaging/'s desktop entry, metadata and MIME type, for lupdate.")
    seen = set()
    for path in templates:
        for text, note in texts_of(path):
            if text in seen:
                continue
            seen.add(text)
            if note:
                print(f"//: {note}")
            print(f"const char* text{len(seen)} = QT_TRANSLATE_NOOP({c_string(CONTEXT)}, {c_string(text)});")


def read_translations(ts_files):
    """{language: {English: translation}} of the finished "metadata" messages."""
    result = {}
    for path in ts_files:
        match = re.fullmatch(r".*_([a-z]{2,3}(?:_[A-Z]{2})?)\.ts", pathlib.Path(path).name)
        if not match:
            sys.exit(f"{path}: no language in the name")
        table = result.setdefault(match.group(1), {})
        for context in ET.parse(path).getroot().iter("context"):
            if context.findtext("name") != CONTEXT:
                continue
            for message in context.iter("message"):
                translation = message.find("translation")
                if translation is None or translation.get("type") or not (translation.text or "").strip():
                    continue
                table[plain(message.findtext("source"))] = plain(translation.text)
    return dict(sorted(result.items()))


def build_desktop(template, languages):
    out = []
    lines = pathlib.Path(template).read_text(encoding="utf-8").splitlines()
    translated = dict(desktop_texts(lines))
    for line in lines:
        out.append(line)
        key = line.split("=", 1)[0]
        if key in translated and line == f"{key}={translated[key]}":
            for language, table in languages.items():
                if translated[key] in table:
                    out.append(f"{key}[{language}]={table[translated[key]]}")
    return "\n".join(out) + "\n"


def build_xml(template, languages, k):
    if k == "mime":
        ET.register_namespace("", MIME_NS)
    tree = ET.parse(template)
    root = tree.getroot()
    elements = metainfo_elements(root) if k == "metainfo" else mime_elements(root)
    parents = {child: parent for parent in root.iter() for child in parent}
    for element in elements:
        english = plain(element.text)
        element.text = english
        parent = parents[element]
        at = list(parent).index(element)
        for language, table in languages.items():
            if english not in table:
                continue
            copy = ET.Element(element.tag, dict(element.attrib))
            copy.set(XML_LANG, language)
            copy.text = table[english]
            at += 1
            parent.insert(at, copy)
    ET.indent(tree, "  ")
    return '<?xml version="1.0" encoding="UTF-8"?>\n' + ET.tostring(root, encoding="unicode") + "\n"


def build(template, output, ts_files):
    languages = read_translations(ts_files)
    k = kind(template)
    text = build_desktop(template, languages) if k == "desktop" else build_xml(template, languages, k)
    pathlib.Path(output).write_text(text, encoding="utf-8")


def units(command):
    """A command's arguments as the units a line may not break inside: a
    bracketed group, or an option with its value."""
    found, depth, current = [], 0, ""
    for c in command:
        if c == " " and depth == 0:
            if current:
                found.append(current)
            current = ""
            continue
        depth += (c == "[") - (c == "]")
        current += c
    if current:
        found.append(current)
    joined = []
    for unit in found:
        if joined and joined[-1].startswith("-") and " " not in joined[-1] and not unit.startswith(("-", "[")):
            joined[-1] += " " + unit
        else:
            joined.append(unit)
    return joined


def roff(unit):
    """Typed words bold, words that stand for a value italic, the rest roman;
    spaces that do not break."""
    out = ""
    for piece in re.findall(r"\.\.\.|[A-Za-z0-9_-]+(?:\.[A-Za-z0-9_-]+)*| |.", unit):
        if piece == " ":
            out += "\\ "
        elif re.match(r"[A-Za-z0-9_-]", piece):
            font = "I" if not piece.startswith("-") and re.search("[A-Z]", piece) else "B"
            out += "\\f" + font + piece.replace("-", "\\-") + "\\fR"
        else:
            out += piece
    return out


def write_synopsis(usage):
    commands = []
    for line in pathlib.Path(usage).read_text(encoding="utf-8").splitlines():
        if line.startswith(" ") and commands:
            commands[-1] += " " + line.strip()
        elif line.strip():
            commands.append(line.strip())
    for command in commands:
        program, rest = command.split(" ", 1)
        print(f".SY {program}")
        print(" ".join(roff(unit) for unit in units(rest)))
        print(".YS")


def main(argv):
    if len(argv) >= 2 and argv[0] == "texts":
        write_texts(argv[1:])
    elif len(argv) == 2 and argv[0] == "synopsis":
        write_synopsis(argv[1])
    elif len(argv) >= 3 and argv[0] == "build":
        build(argv[1], argv[2], argv[3:])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
