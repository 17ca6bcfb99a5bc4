#!/usr/bin/env python3
"""Writes data/ThreeTalentsText.txt, the three-talents table shown on its page.

Each combination of the elements of heaven, person and earth becomes a block
of four lines: the odd last digits that stand for the three elements, the
elements, the even last digits, and the judgement written in
tools/content/three_talents.txt. Blocks are separated by an empty line and
lines end with "\\r\\n", as the page's edit box shows them.
"""
import itertools
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = ROOT / "tools" / "content" / "three_talents.txt"
TARGET = ROOT / "data" / "ThreeTalentsText.txt"

ELEMENTS = "木火土金水"
# A grid number's last digit names its element: 1 and 2 wood, 3 and 4 fire,
# 5 and 6 earth, 7 and 8 metal, 9 and 0 water.
ODD_DIGITS = dict(zip(ELEMENTS, "一三五七九"))
EVEN_DIGITS = dict(zip(ELEMENTS, "二四六八十"))
GRADES = ("（吉）", "（凶）", "（半吉）", "（半凶）")


def judgements():
    lines = [line for line in SOURCE.read_text(encoding="utf-8").splitlines() if line and not line.startswith("#")]
    return [line.split(" ", 1) for line in lines]


def block(elements, judgement):
    return "\r\n".join([
        " ".join(ODD_DIGITS[element] for element in elements),
        " ".join(elements),
        " ".join(EVEN_DIGITS[element] for element in elements),
        judgement,
    ])


def main():
    combinations = ["".join(combination) for combination in itertools.product(ELEMENTS, repeat=3)]
    written = judgements()
    if [elements for elements, _ in written] != combinations:
        sys.exit("the source must hold every combination once, heaven outermost, in the order 木火土金水")
    for elements, judgement in written:
        if not judgement.endswith(GRADES):
            sys.exit(f"{elements}: the judgement must end with its grade in full-width brackets")
    text = "\r\n\r\n".join(block(elements, judgement) for elements, judgement in written)
    TARGET.write_bytes(text.encode("utf-8"))


if __name__ == "__main__":
    main()
