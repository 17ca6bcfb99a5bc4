// Our calendar against lunar-javascript's, on every day of the range: the
// fixture holds its lunar months, day pillars, hour pillars and term moments
// (written by tools/calendar-reference/write-fixture.sh).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "birthchart/Calendar.h"
#include "birthchart/SexagenaryCycle.h"
#include "text/Utf8Text.h"

namespace velorin {
namespace {

constexpr long long kSecondsPerDay = 86400;
constexpr long long kSecondsPerHour = 3600;

struct ReferenceMonth {
    long long firstDay;
    LunarDate date;  // of its first day
};

struct ReferenceTerm {
    long long second;                       // seconds since 1899-12-30 00:00, China Standard Time
    std::string yearPillar, monthPillar;  // empty for a principal term, which changes neither
};

struct ReferenceCalendar {
    long long firstDay = 0, endDay = 0;
    int firstDayPillar = 0;
    std::map<std::string, std::vector<std::string>> hourPillarsByDayStem;
    std::vector<ReferenceMonth> months;
    std::vector<ReferenceTerm> terms;
    std::vector<ReferenceTerm> monthlyTerms;  // the terms that begin a month of the pillars
};

long long DayNumber(const std::string& isoDate) {
    int year = 0, month = 0, day = 0;
    char dash = 0;
    std::istringstream(isoDate) >> year >> dash >> month >> dash >> day;
    return std::llround(DateTime::FromParts(year, month, day, 0).Days());
}

const ReferenceCalendar& Reference() {
    static const ReferenceCalendar reference = [] {
        ReferenceCalendar loaded;
        std::ifstream file(std::string(VELORIN_SOURCE_DIR) + "/tests/birthchart/CalendarReference.txt");
        std::string line;
        while (std::getline(file, line)) {
            std::istringstream fields(line);
            std::string kind, first;
            fields >> kind >> first;
            if (kind == "day") {
                std::string pillar;
                fields >> pillar;
                loaded.firstDay = DayNumber(first);
                loaded.firstDayPillar = CycleNumberOfName(pillar);
            } else if (kind == "hour") {
                std::vector<std::string>& pillars = loaded.hourPillarsByDayStem[first];
                for (std::string pillar; fields >> pillar;) pillars.push_back(pillar);
            } else if (kind == "month") {
                ReferenceMonth month{DayNumber(first), {}};
                int leap = 0;
                fields >> month.date.year >> month.date.month >> leap;
                month.date.day = 1;
                month.date.leap = leap == 1;
                loaded.months.push_back(month);
            } else if (kind == "term") {
                std::string time, name;
                fields >> time >> name;
                ReferenceTerm term{DayNumber(first) * kSecondsPerDay + std::stoi(time.substr(0, 2)) * kSecondsPerHour +
                                       std::stoi(time.substr(3, 2)) * 60 + std::stoi(time.substr(6, 2)),
                                   {}, {}};
                fields >> term.yearPillar >> term.monthPillar;
                loaded.terms.push_back(term);
                if (!term.yearPillar.empty()) loaded.monthlyTerms.push_back(term);
            }
        }
        loaded.endDay = DayNumber("2049-01-01");
        return loaded;
    }();
    return reference;
}

// What the reference says of a whole hour (seconds since day 0).
struct Expected {
    FourPillars pillars;
    LunarDate date;
};

Expected ExpectedAt(long long second) {
    const ReferenceCalendar& reference = Reference();
    const long long day = second / kSecondsPerDay;
    const int hour = static_cast<int>(second % kSecondsPerDay / kSecondsPerHour);
    Expected expected;
    const auto month = std::upper_bound(reference.months.begin(), reference.months.end(), day,
                                        [](long long d, const ReferenceMonth& m) { return d < m.firstDay; }) - 1;
    expected.date = month->date;
    expected.date.day = static_cast<int>(day - month->firstDay) + 1;
    const int dayPillar = CycleNumberAfter(reference.firstDayPillar - 1 + (day - reference.firstDay) + (hour >= 23 ? 1 : 0));
    expected.pillars.day = CycleName(dayPillar);
    expected.pillars.hour = reference.hourPillarsByDayStem.at(text::First(expected.pillars.day))[static_cast<std::size_t>((hour + 1) / 2 % 12)];
    const auto term = std::upper_bound(reference.monthlyTerms.begin(), reference.monthlyTerms.end(), second,
                                       [](long long s, const ReferenceTerm& t) { return s < t.second; }) - 1;
    expected.pillars.year = term->yearPillar;
    expected.pillars.month = term->monthPillar;
    return expected;
}

// Compares our calendar with the reference at a whole hour; returns a
// description of the disagreement, or empty.
std::string DisagreementAt(long long second, const Expected& expected) {
    const DateTime moment(static_cast<double>(second) / kSecondsPerDay);
    FourPillars pillars;
    LunarDate date;
    const bool hasPillars = FourPillarsOf(moment, pillars);
    const bool hasDate = LunarDateOf(moment, date);
    const bool agrees = hasPillars && hasDate && pillars.year == expected.pillars.year &&
                        pillars.month == expected.pillars.month && pillars.day == expected.pillars.day &&
                        pillars.hour == expected.pillars.hour && date.year == expected.date.year &&
                        date.month == expected.date.month && date.day == expected.date.day &&
                        date.leap == expected.date.leap;
    if (agrees) return {};
    const DateTimeParts parts = moment.Parts();
    std::ostringstream message;
    message << parts.year << '-' << parts.month << '-' << parts.day << ' ' << parts.hour << ":00 ours " << pillars.year
            << ' ' << pillars.month << ' ' << pillars.day << ' ' << pillars.hour << ' ' << date.year << '/'
            << (date.leap ? "leap " : "") << date.month << '/' << date.day << ", reference " << expected.pillars.year
            << ' ' << expected.pillars.month << ' ' << expected.pillars.day << ' ' << expected.pillars.hour << ' '
            << expected.date.year << '/' << (expected.date.leap ? "leap " : "") << expected.date.month << '/'
            << expected.date.day;
    return message.str();
}

// Whole hours within a minute of a reference term moment: there a term
// computed a few seconds off may fall on the other side of the hour.
std::set<long long> HoursNearTerms() {
    std::set<long long> hours;
    for (const ReferenceTerm& term : Reference().terms) {
        const long long nearestHour = (term.second + kSecondsPerHour / 2) / kSecondsPerHour * kSecondsPerHour;
        if (std::abs(term.second - nearestHour) <= 60) hours.insert(nearestHour);
    }
    return hours;
}

bool InRange(long long second) {
    return second >= Reference().firstDay * kSecondsPerDay && second < Reference().endDay * kSecondsPerDay;
}

void ExpectNoDisagreements(const std::vector<std::string>& disagreements) {
    EXPECT_EQ(disagreements.size(), 0u);
    for (std::size_t i = 0; i < std::min<std::size_t>(disagreements.size(), 20); ++i) ADD_FAILURE() << disagreements[i];
}

TEST(CalendarReference, FixtureCoversTheRange) {
    const ReferenceCalendar& reference = Reference();
    EXPECT_EQ(reference.firstDay, DayNumber("1901-02-19"));
    EXPECT_EQ(reference.hourPillarsByDayStem.size(), 10u);
    EXPECT_EQ(reference.terms.size(), 148u * 24);
    ASSERT_FALSE(reference.months.empty());
    EXPECT_LE(reference.months.front().firstDay, reference.firstDay);
}

TEST(CalendarReference, AgreesOnEveryDayAtMidnightNoonEveningAndAt23) {
    const std::set<long long> nearTerms = HoursNearTerms();
    std::vector<std::string> disagreements;
    for (long long day = Reference().firstDay; day < Reference().endDay; ++day) {
        for (int hour : {0, 11, 22, 23}) {
            const long long second = day * kSecondsPerDay + hour * kSecondsPerHour;
            if (nearTerms.count(second) != 0) continue;
            std::string disagreement = DisagreementAt(second, ExpectedAt(second));
            if (!disagreement.empty()) disagreements.push_back(disagreement);
        }
    }
    ExpectNoDisagreements(disagreements);
}

TEST(CalendarReference, AgreesOnTheHoursEitherSideOfEveryTerm) {
    const std::set<long long> nearTerms = HoursNearTerms();
    std::vector<std::string> disagreements;
    int nearTermDisagreements = 0;
    for (const ReferenceTerm& term : Reference().terms) {
        const long long hourBefore = (term.second - 1) / kSecondsPerHour * kSecondsPerHour;
        for (long long second : {hourBefore, hourBefore + kSecondsPerHour}) {
            if (!InRange(second)) continue;
            std::string disagreement = DisagreementAt(second, ExpectedAt(second));
            if (disagreement.empty()) continue;
            if (nearTerms.count(second) != 0) {
                ++nearTermDisagreements;
            } else {
                disagreements.push_back(disagreement);
            }
        }
    }
    ExpectNoDisagreements(disagreements);
    std::cout << "whole hours within a minute of a reference term: " << nearTerms.size()
              << "; of them our calendar puts on the other side of the term: " << nearTermDisagreements << '\n';
    RecordProperty("HoursNearTerms", static_cast<int>(nearTerms.size()));
    RecordProperty("NearTermDisagreements", nearTermDisagreements);
}

}  // namespace
}  // namespace velorin
