#pragma once
// Western star signs of a birthday, with the program's own description of
// each sign.
#include <span>
#include <string>
#include <string_view>

namespace velorin {

// A sign covers the days from (firstMonth, firstDay) on and the days up to
// (lastMonth, lastDay). The dates written inside a description are part of
// the text and need not agree with the range.
struct StarSignRow {
    int firstMonth, firstDay, lastMonth, lastDay;
    std::string_view sign;
    std::string_view description;  // "\r\n" line breaks
};

// The twelve signs in the order they are tested.
std::span<const StarSignRow> StarSignTable();

// The first row whose range holds the day; null when none does (a month
// outside 1..12). Month and day are compared as given, without a range check.
const StarSignRow* StarSignRowOf(int month, int day);

// "3月21日\r\n白羊座\r\n" + description; for a day no sign holds, the date
// line and an empty line.
std::string StarSignOf(int month, int day);

}  // namespace velorin
