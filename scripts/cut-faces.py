#!/usr/bin/python3
"""Makes resources/fonts/VareluxSans-{Regular,Bold}.ttf, the faces the program embeds, from the
system's Liberation Sans 2 (`make faces`, which first installs fontTools and the font).

Each face keeps the glyphs of printable ASCII and Latin-1 (whatever a user can type or paste into
a field, every number the program writes, and enough letters for fontconfig to file the face
under the Latin script) and of every character written in a string literal under src/; with them
every glyph that the layout features reach from these, the hinting instructions and the kerning,
so that text renders exactly as with the whole face. The faces are renamed Varelux Sans: the SIL
Open Font License reserves the name Liberation for the unmodified fonts. The copyright, trademark
and licence notices stay as they are.

Run it again after a text gains a character outside Latin-1; tst_interface_face fails until then.
The whole faces cost start-up memory, since fontconfig reads all of a face the program adds.
"""

import pathlib
import re
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

ROOT = pathlib.Path(__file__).resolve().parent.parent
FAMILY = "Varelux Sans"

# Debian ships Liberation Sans 2 as fonts-liberation2 where fonts-liberation still holds the 1.x
# faces, whose glyphs differ; later releases ship it as fonts-liberation itself.
FONT_DIRS = ["/usr/share/fonts/truetype/liberation2", "/usr/share/fonts/truetype/liberation"]
STYLES = ["Regular", "Bold"]

# A C++ string literal (group 1), a character literal or a comment, whichever starts first; raw
# strings are not used in the sources.
TOKEN = re.compile(r'"((?:[^"\\\n]|\\.)*)"|\'(?:[^\'\\\n]|\\.)*\'|//[^\n]*|/\*.*?\*/', re.S)
ESCAPE = re.compile(r"\\(u[0-9a-fA-F]{4}|U[0-9a-fA-F]{8}|x[0-9a-fA-F]+|.)")

# Name records naming the face: family, unique id, full name, PostScript name, typographic
# family and style, WWS family, PostScript name prefix.
NAMING_IDS = {1, 3, 4, 6, 16, 17, 18, 21, 22, 25}


def literal_characters(path):
    characters = set()
    for literal in TOKEN.findall(path.read_text(encoding="utf-8")):
        for escape in ESCAPE.findall(literal):
            if escape[0] in "uU" and len(escape) > 1:
                characters.add(chr(int(escape[1:], 16)))
        characters.update(ESCAPE.sub("", literal))
    return characters


def source_faces():
    for folder in FONT_DIRS:
        faces = [pathlib.Path(folder) / f"LiberationSans-{style}.ttf" for style in STYLES]
        if all(face.exists() for face in faces) and all(
            int(TTFont(face)["head"].fontRevision) >= 2 for face in faces
        ):
            return faces
    sys.exit(f"cut-faces: no Liberation Sans 2 in {FONT_DIRS} (make faces installs it)")


def rename(font):
    original = font["name"].getBestFamilyName()
    compact_original, compact_family = original.replace(" ", ""), FAMILY.replace(" ", "")
    for record in font["name"].names:
        if record.nameID in NAMING_IDS:
            text = record.toUnicode()
            record.string = text.replace(original, FAMILY).replace(compact_original, compact_family)


def main():
    characters = {chr(c) for c in range(0x20, 0x7F)} | {chr(c) for c in range(0xA0, 0x100)}
    for path in sorted((ROOT / "src").rglob("*")):
        if path.suffix in (".cpp", ".h"):
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
    for face, style in zip(source_faces(), STYLES):
        font = subset.load_font(str(face), options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=sorted(ord(c) for c in characters))
        subsetter.subset(font)
        rename(font)
        output = ROOT / "resources" / "fonts" / f"VareluxSans-{style}.ttf"
        subset.save_font(font, str(output), options)
        print(f"cut-faces: {face} -> {output.relative_to(ROOT)}, {len(font.getGlyphOrder())} glyphs")


if __name__ == "__main__":
    main()
