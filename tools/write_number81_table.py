#!/usr/bin/env python3
"""Writes data/Number81Table.txt from the readable texts in tools/content/number81.txt.

The carried table is one line: rows joined by "*******", the six fields of a
row (title, grade, career, family, health, meaning) joined by "---". Editing
that line by hand is error-prone, so the texts live one per line in the source
and this script joins them, refusing texts that would break the layout.
"""
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SOURCE = ROOT / "tools" / "content" / "number81.txt"
TARGET = ROOT / "data" / "Number81Table.txt"

GRADES = {"吉", "半吉", "凶"}
# Length bounds in characters of career, family, health and meaning, the
# widths the list columns and the report lines are laid out for.
TEXT_LENGTHS = [("career", 12, 36), ("family", 5, 34), ("health", 9, 36), ("meaning", 21, 132)]


def read_blocks(text):
    lines = [line for line in text.splitlines() if not line.startswith("#")]
    blocks, current = [], []
    for line in lines + [""]:
        if line.strip():
            current.append(line.strip())
        elif current:
            blocks.append(current)
            current = []
    return blocks


def row_of(block, expected_number):
    if len(block) != 5:
        sys.exit(f"number {expected_number}: expected a heading and four texts, got {len(block)} lines")
    number, grade = block[0].split()
    if int(number) != expected_number:
        sys.exit(f"expected number {expected_number}, found {number}")
    if grade not in GRADES:
        sys.exit(f"number {number}: unknown grade {grade}")
    for text, (name, shortest, longest) in zip(block[1:], TEXT_LENGTHS):
        if not shortest <= len(text) <= longest:
            sys.exit(f"number {number}: {name} has {len(text)} characters, not {shortest}..{longest}")
        if "---" in text or "*******" in text:
            sys.exit(f"number {number}: {name} contains a separator")
    return "---".join([f"第{number}数理", grade] + block[1:])


def main():
    blocks = read_blocks(SOURCE.read_text(encoding="utf-8"))
    if len(blocks) != 81:
        sys.exit(f"expected 81 numbers, found {len(blocks)}")
    rows = [row_of(block, number) for number, block in enumerate(blocks, start=1)]
    TARGET.write_bytes("*******".join(rows).encode("utf-8"))


if __name__ == "__main__":
    main()
