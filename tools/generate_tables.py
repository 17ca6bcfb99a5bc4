#!/usr/bin/env python3
"""Writes the character tables that Velorin carries (data/*.txt).

Sources, both public and shipped by Debian:
  - the Unihan database of the unicode-data package (/usr/share/unicode), for
    radicals, stroke counts and readings;
  - OpenCC's simplified-to-traditional character dictionary (opencc and
    libopencc-data), exported with opencc_dict, for traditional forms.

The character set is every Chinese character that GBK can encode. Every table
lists its characters in one order: GB2312 first (common characters in pinyin
order, then the rarer ones by radical), then the other GBK characters in code
order. data/README.md describes the layouts.

Usage: tools/generate_tables.py [--output DIR] [--unicode DIR] [--opencc FILE]
"""
import argparse
import bz2
import os
import subprocess
import tempfile
import unicodedata

ELEMENT_ORDER = "土木火水金"  # the order in which the lookups test the lists

# Characters whose element is fixed by the program's own tradition rather than
# by the initial of their reading; each list starts with its own, in this order.
NAMED_ELEMENTS = {
    "土": "又一乙己山土丸兀丫也尢于厄切王黄",
    "木": "干工弓丌及孑巾久口廿乞彡已卞丐公勾介今斤杨",
    "火": "刁丁二力了彳大孓女勺巳乇幺弋丈尺丹吊仃斗张刘陈李赵宝",
    "水": "勹卜乜凡亡下子巴比不歹反方分夫父互户化幻明华",
    "金": "匕刀人入厶才",
}

# Name numerology counts the numerals by their value, not by their strokes.
NUMERAL_COUNTS = {c: i + 1 for i, c in enumerate("一二三四五六七八九十")}

TONE_MARKS = {"\u0300", "\u0301", "\u0304", "\u030c"}


def gbk_characters():
    """Every Chinese character GBK can encode, GB2312 ones first."""
    def decode(first, second, codec):
        try:
            text = bytes([first, second]).decode(codec)
        except UnicodeDecodeError:
            return None
        if len(text) == 1 and unicodedata.name(text, "").startswith("CJK "):
            return text
        return None

    ordered, seen = [], set()
    for codec, firsts, seconds in (("gb2312", range(0xB0, 0xF8), range(0xA1, 0xFF)),
                                   ("gbk", range(0x81, 0xFF), range(0x40, 0xFF))):
        for first in firsts:
            for second in seconds:
                character = decode(first, second, codec)
                if character and character not in seen:
                    seen.add(character)
                    ordered.append(character)
    return ordered


def read_unihan(unicode_dir, fields):
    """{field: {character: value}} for the wanted fields."""
    table = {field: {} for field in fields}
    for name in ("Unihan_RadicalStrokeCounts", "Unihan_IRGSources", "Unihan_Readings"):
        with bz2.open(os.path.join(unicode_dir, name + ".txt.bz2"), "rt", encoding="utf-8") as source:
            for line in source:
                if line.startswith("#") or not line.strip():
                    continue
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in table:
                    table[field][chr(int(code[2:], 16))] = value
    return table


def read_radicals(unicode_dir):
    """Kangxi radical number -> the ideograph that writes it in full."""
    radicals = {}
    with open(os.path.join(unicode_dir, "CJKRadicals.txt"), encoding="utf-8") as source:
        for line in source:
            if line.startswith("#") or not line.strip():
                continue
            number, _, ideograph = (part.strip() for part in line.split(";"))
            if not number.endswith("'"):
                radicals[int(number)] = chr(int(ideograph, 16))
    return radicals


def read_traditional_candidates(opencc_dictionary):
    """Simplified character -> its traditional candidates, best first."""
    with tempfile.TemporaryDirectory() as folder:
        exported = os.path.join(folder, "STCharacters.txt")
        subprocess.run(["opencc_dict", "-i", opencc_dictionary, "-o", exported,
                        "-f", "ocd2", "-t", "text"], check=True)
        with open(exported, encoding="utf-8") as source:
            pairs = (line.rstrip("\n").split("\t") for line in source if line.strip())
            return {key: value.split(" ") for key, value in pairs}


class Unihan:
    def __init__(self, unicode_dir):
        self.fields = read_unihan(unicode_dir, ("kRSKangXi", "kRSUnicode", "kTotalStrokes", "kMandarin",
                                                "kHanyuPinyin", "kXHC1983", "kTGHZ2013"))
        self.radicals = read_radicals(unicode_dir)

    def value(self, field, character):
        # Compatibility ideographs carry no data of their own: read their
        # unified twin.
        values = self.fields[field]
        return values.get(character) or values.get(unicodedata.normalize("NFC", character))

    def total_strokes(self, character):
        value = self.value("kTotalStrokes", character)
        return int(value.split()[0]) if value else None

    def numerology_count(self, character):
        """Strokes of the Kangxi radical written in full plus the residual
        strokes: 氵 counts as 水 (4), a left 阝 as 阜 (8), and so on."""
        if character in NUMERAL_COUNTS:
            return NUMERAL_COUNTS[character]
        radical_strokes = self.value("kRSKangXi", character) or self.value("kRSUnicode", character)
        radical, residual = radical_strokes.split()[0].split(".")
        return self.total_strokes(self.radicals[int(radical.rstrip("'"))]) + int(residual)

    def readings(self, character):
        """Toned readings, the standard Mandarin one first."""
        listed = []
        for field in ("kHanyuPinyin", "kXHC1983", "kTGHZ2013"):
            for entry in (self.value(field, character) or "").split():
                listed.extend(entry.split(":", 1)[1].split(","))
        mandarin = (self.value("kMandarin", character) or "").split()
        ordered = []
        if mandarin:
            first = mandarin[0]
            if is_toneless(first):
                first = next((r for r in listed if not is_toneless(r) and without_tones(r) == first), first)
            ordered.append(first)
        for reading in listed:
            if reading not in ordered:
                ordered.append(reading)
        return [unicodedata.normalize("NFC", r) for r in ordered]


def without_tones(reading):
    return "".join(c for c in unicodedata.normalize("NFD", reading) if c not in TONE_MARKS)


def is_toneless(reading):
    return without_tones(reading) == unicodedata.normalize("NFD", reading)


def element_of_reading(reading):
    """The element of a syllable by its initial."""
    syllable = without_tones(reading)
    if syllable[:2] in ("zh", "ch", "sh"):
        return "火"
    for element, initials in (("木", "gkjqx"), ("火", "dtnl"), ("土", "yw"), ("金", "zcsr"), ("水", "bpmfh")):
        if syllable[:1] and syllable[0] in initials:
            return element
    return "土"  # a syllable without an initial


class Tables:
    def __init__(self, unihan, candidates, characters):
        self.unihan = unihan
        self.candidates = candidates
        self.characters = characters
        self.readings = {c: unihan.readings(c) for c in characters}

    def traditional(self, character):
        return self.candidates.get(character, [character])[0]

    def simplified_forms(self):
        """Traditional character -> the simplified character it stands for.
        A character that OpenCC also converts itself is its own simplified form;
        among several simplified characters the one converting to it by default
        wins, then the lowest code."""
        forms = {}
        for simplified in sorted(self.candidates, key=ord):
            for rank, traditional in enumerate(self.candidates[simplified]):
                if traditional in self.candidates or traditional == simplified:
                    continue
                best = forms.get(traditional)
                if best is None or (rank == 0 and self.traditional(best) != traditional):
                    forms[traditional] = simplified
        return forms

    def grid_strokes(self):
        counts = [self.unihan.numerology_count(self.traditional(c)) for c in self.characters]
        assert all(1 <= count <= 99 for count in counts), "a grid count must fit two characters"
        return "".join(f"{c}{count:>2} " for c, count in zip(self.characters, counts))

    def kangxi_lists(self):
        """A character stands in the list of each traditional character it may
        stand for; a character without candidates, such as a traditional one,
        in its own list."""
        lists = {}
        for character in self.characters:
            for count in {self.unihan.numerology_count(t) for t in self.candidates.get(character, [character])}:
                lists.setdefault(count, []).append(character)
        return "".join(f"{count} {''.join(lists[count])}\n" for count in sorted(lists))

    def fallback_strokes(self):
        return "".join(f"{c}{self.unihan.total_strokes(c)}," for c in self.characters)

    def element_lists(self):
        named = {c: element for element, run in NAMED_ELEMENTS.items() for c in run}
        assert len(named) == sum(map(len, NAMED_ELEMENTS.values())), "a character is named for two elements"

        def own_element(character):
            if character in named:
                return named[character]
            readings = self.readings.get(character) or self.unihan.readings(character)
            return element_of_reading(readings[0]) if readings else None

        simplified_forms = self.simplified_forms()
        lists = {element: list(NAMED_ELEMENTS[element]) for element in ELEMENT_ORDER}
        for character in self.characters:
            if character in named:
                continue
            element = own_element(simplified_forms.get(character, character)) or own_element(character)
            if element:
                lists[element].append(character)
        return "".join(f"{element} {''.join(lists[element])}\n" for element in ELEMENT_ORDER)

    def pinyin(self):
        return "".join(c + "".join(r + "," for r in self.readings[c]) for c in self.characters if self.readings[c])


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--output", default=os.path.join(root, "data"))
    parser.add_argument("--unicode", default="/usr/share/unicode")
    parser.add_argument("--opencc", default="/usr/share/opencc/STCharacters.ocd2")
    arguments = parser.parse_args()

    tables = Tables(Unihan(arguments.unicode), read_traditional_candidates(arguments.opencc), gbk_characters())
    outputs = {
        "GridStrokeTable.txt": tables.grid_strokes() + "\n",
        "KangxiStrokeLists.txt": tables.kangxi_lists(),
        "FallbackStrokeTable.txt": tables.fallback_strokes() + "\n",
        "PronunciationElementLists.txt": tables.element_lists(),
        "PinyinTable.txt": tables.pinyin() + "\n",
    }
    for name, text in outputs.items():
        with open(os.path.join(arguments.output, name), "w", encoding="utf-8", newline="\n") as target:
            target.write(text)


if __name__ == "__main__":
    main()
