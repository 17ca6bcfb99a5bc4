#!/usr/bin/env python3
"""Writes the character libraries data/zm.fne (boys) and data/zw.fne (girls).

The libraries are edited as UTF-8 lists in tools/libraries/ (characters grouped
by theme, any number per line, "#" starts a comment line). The program reads
one character per line in GBK with "\\r\\n" line breaks, which is what this
script writes. It refuses a character that is not a GB2312 hanzi (so every
entry is a common simplified character) and a character listed twice (a
duplicate would be drawn twice as often).
"""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
LIBRARIES = {"boys.txt": "zm.fne", "girls.txt": "zw.fne"}


def is_gb2312_hanzi(character):
    try:
        encoded = character.encode("gb2312")
    except UnicodeEncodeError:
        return False
    # Rows 16..87 of GB2312 hold its 6,763 hanzi; everything before them is
    # punctuation, letters and symbols.
    return len(encoded) == 2 and 0xB0 <= encoded[0] <= 0xF7


def read_characters(path):
    characters = []
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("#"):
            continue
        characters.extend(character for character in line if not character.isspace())
    return characters


def checked(characters, name):
    seen = set()
    for character in characters:
        if not is_gb2312_hanzi(character):
            sys.exit(f"{name}: {character!r} is not a GB2312 hanzi")
        if character in seen:
            sys.exit(f"{name}: {character} is listed twice")
        seen.add(character)
    return characters


def main():
    for source_name, target_name in LIBRARIES.items():
        characters = checked(read_characters(ROOT / "tools" / "libraries" / source_name), source_name)
        text = "".join(character + "\r\n" for character in characters)
        (ROOT / "data" / target_name).write_bytes(text.encode("gbk"))
        print(f"{target_name}: {len(characters)} characters")


if __name__ == "__main__":
    main()
