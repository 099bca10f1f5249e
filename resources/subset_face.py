#!/usr/bin/python3
"""Cuts a face down to the characters the program can draw and gives it a family name of its own.

subset_face.py FACE OUTPUT FAMILY SOURCE...

Keeps the glyphs of printable ASCII and Latin-1 (whatever a user can type or paste into a field,
every number the program writes, and enough letters for fontconfig to file the face under the
Latin script), and of every character written in a string literal of the SOURCE files; with
them every glyph the layout features reach from these, the hinting instructions and the
kerning, so that the text renders as with the whole face. The face's own names become FAMILY:
the SIL Open Font License reserves the original name for the unmodified face. The copyright,
trademark and licence notices stay as they are.
"""

import re
import sys

from fontTools import subset

# A C++ string literal (group 1), a character literal or a comment, whichever starts first; raw
# strings are not used in the sources.
TOKEN = re.compile(r'"((?:[^"\\\n]|\\.)*)"|\'(?:[^\'\\\n]|\\.)*\'|//[^\n]*|/\*.*?\*/', re.S)
ESCAPE = re.compile(r"\\(u[0-9a-fA-F]{4}|U[0-9a-fA-F]{8}|x[0-9a-fA-F]+|.)")

# Name records naming the face: family, unique id, full name, PostScript name, typographic
# family and style, WWS family, PostScript name prefix.
NAMING_IDS = {1, 3, 4, 6, 16, 17, 18, 21, 22, 25}


def literal_characters(path):
    with open(path, encoding="utf-8") as source:
        text = source.read()
    characters = set()
    for literal in TOKEN.findall(text):
        for escape in ESCAPE.findall(literal):
            if escape[0] in "uU" and len(escape) > 1:
                characters.add(chr(int(escape[1:], 16)))
        characters.update(ESCAPE.sub("", literal))
    return characters


def rename(font, family):
    original = font["name"].getBestFamilyName()
    compact_original, compact_family = original.replace(" ", ""), family.replace(" ", "")
    for record in font["name"].names:
        if record.nameID in NAMING_IDS:
            text = record.toUnicode()
            text = text.replace(original, family).replace(compact_original, compact_family)
            record.string = text


def main():
    face, output, family, sources = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    characters = {chr(c) for c in range(0x20, 0x7F)} | {chr(c) for c in range(0xA0, 0x100)}
    for path in sources:
        characters |= literal_characters(path)
    characters = {c for c in characters if c.isprintable() or c == "\u00a0"}

    options = subset.Options()
    options.hinting = True  # the instructions place the pixels of small text
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.legacy_kern = True
    options.drop_tables += ["FFTM"]  # the font editor's time stamps
    font = subset.load_font(face, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(ord(c) for c in characters))
    subsetter.subset(font)
    rename(font, family)
    subset.save_font(font, output, options)


if __name__ == "__main__":
    main()
