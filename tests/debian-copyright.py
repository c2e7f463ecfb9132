#!/usr/bin/python3
"""Reads packaging/copyright as Debian's tools do: machine-readable, every licence it names
given in full, each file under the licence it should have, and the font's licence the one that
came with the font."""
import os
import sys
from pathlib import Path

from debian.copyright import Copyright, Error, globs_to_re

FORMAT = "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
PROGRAM = "GPL-3+"
PROGRAM_AND_FONT = "GPL-3+ and OFL-1.1"
FONT = "OFL-1.1"
# A file of each kind and the licence it falls under; the pictures drawn with the music font's
# glyphs carry its licence beside the program's.
EXPECTED = {
    "quiz/engine.cpp": PROGRAM,
    "assets/arrow.gif": PROGRAM,
    "assets/1.gif": PROGRAM_AND_FONT,
    "assets/14.gif": PROGRAM_AND_FONT,
    "assets/bass-1.gif": PROGRAM_AND_FONT,
    "assets/tenor-14.gif": PROGRAM_AND_FONT,
    "mainwindow/pictures/blankstaff-alto.gif": PROGRAM_AND_FONT,
    "mainwindow/pictures/blankstaff@2x.gif": PROGRAM_AND_FONT,
    "mainwindow/pictures/background-de.gif": PROGRAM_AND_FONT,
    "mainwindow/pictures/icon-32.png": PROGRAM,
    "about/pictures/about-red.png": PROGRAM,
    "tools/fonts/bravura.otf": FONT,
}


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def source_files(root):
    for folder, subfolders, files in os.walk(root):
        subfolders[:] = [d for d in subfolders if not d.startswith((".git", "build"))]
        for name in files:
            yield str(Path(folder, name).relative_to(root))


def licence_names(synopsis):
    return synopsis.replace(" and ", " or ").split(" or ")


def main(root):
    try:
        with open(root / "packaging/copyright", encoding="utf-8") as file:
            copyright = Copyright(file, strict=True)
    except Error as error:
        fail(f"the copyright file is not machine-readable: {error}")
    if copyright.header.format != FORMAT:
        fail(f"the Format is '{copyright.header.format}'")
    print("ok: machine-readable")

    files = list(source_files(root))
    for paragraph in copyright.all_files_paragraphs():
        for glob in paragraph.files:
            if glob != "*" and not any(globs_to_re([glob]).match(f) for f in files):
                fail(f"Files: {glob} matches no file")
    print("ok: every Files pattern matches a file")

    texts = {p.license.synopsis: p.license.text for p in copyright.all_license_paragraphs()}
    for paragraph in copyright.all_files_paragraphs():
        for name in licence_names(paragraph.license.synopsis):
            if not texts.get(name) and not paragraph.license.text:
                fail(f"no text for the licence {name}")
    print("ok: every licence named is given")

    for path, licence in EXPECTED.items():
        found = copyright.find_files_paragraph(path)
        if found is None or found.license.synopsis != licence:
            fail(f"{path} falls under {found and found.license.synopsis}, not {licence}")
    print(f"ok: {len(EXPECTED)} files under the licences they should have")

    shipped = (root / "tools/fonts/Bravura-OFL.txt").read_text(encoding="utf-8")
    licence_text = shipped[shipped.index("SIL OPEN FONT LICENSE") :].rstrip("\n")
    if texts.get(FONT) != licence_text:
        fail("the OFL-1.1 text differs from tools/fonts/Bravura-OFL.txt")
    print("ok: the font's licence text is the one that came with the font")


main(Path(sys.argv[1]))
