#include "birthchart/LunarMonths.h"

#include <algorithm>
#include <cmath>

#include "birthchart/NewMoons.h"
#include "birthchart/SolarTerms.h"
#include "birthchart/TimeScales.h"
#include "platform/DateTime.h"

namespace velorin {

namespace {

// From 1912 to 1928 the Republic's observatory in Beijing reckoned the
// calendar at its own meridian (116°25′ E, UT + 7 h 45 m 40 s), and a new moon
// in the first 14 m 20 s after midnight China Standard Time still fell on the
// day before. The calendar since 1929 is reckoned at 120° E; the month starts
// of the Qing calendar of 1901–1911, computed with an older theory, agree
// with reckoning at 120° E too.
int CalendarDayOf(double chinaDays) {
    static const double kBeijingMeridianFrom = DateTime::FromParts(1912, 1, 1, 0).Days();
    static const double kBeijingMeridianUntil = DateTime::FromParts(1929, 1, 1, 0).Days();
    constexpr double kBeijingBehindChinaStandardTime = (14 * 60 + 20) / 86400.0;
    const bool atBeijing = chinaDays >= kBeijingMeridianFrom && chinaDays < kBeijingMeridianUntil;
    const double reckoned = atBeijing ? chinaDays - kBeijingBehindChinaStandardTime : chinaDays;
    return static_cast<int>(std::floor(reckoned));
}

// Index of the month that begins on or before `day`.
std::size_t MonthHolding(const std::vector<int>& newMoonDays, int day) {
    return static_cast<std::size_t>(std::upper_bound(newMoonDays.begin(), newMoonDays.end(), day) - newMoonDays.begin()) - 1;
}

bool HoldsPrincipalTerm(const std::vector<int>& principalTermDays, int firstDay, int nextFirstDay) {
    const auto term = std::lower_bound(principalTermDays.begin(), principalTermDays.end(), firstDay);
    return term != principalTermDays.end() && *term < nextFirstDay;
}

}  // namespace

std::vector<LunarMonth> NumberLunarMonths(const std::vector<int>& newMoonDays, const std::vector<int>& principalTermDays,
                                          const std::vector<int>& solsticeDays, int firstSolsticeYear) {
    std::vector<LunarMonth> months;
    for (std::size_t s = 0; s + 1 < solsticeDays.size(); ++s) {
        const std::size_t first = MonthHolding(newMoonDays, solsticeDays[s]);
        const std::size_t next = MonthHolding(newMoonDays, solsticeDays[s + 1]);
        bool leapPending = next - first == 13;
        int number = 11;
        int year = firstSolsticeYear + static_cast<int>(s);
        for (std::size_t m = first; m < next; ++m) {
            // A leap month keeps the number (and year) of the month before it.
            const bool leap = m > first && leapPending &&
                              !HoldsPrincipalTerm(principalTermDays, newMoonDays[m], newMoonDays[m + 1]);
            if (m > first && !leap) {
                number = number % 12 + 1;
                if (number == 1) ++year;
            }
            leapPending = leapPending && !leap;
            months.push_back({newMoonDays[m], year, number, leap});
        }
    }
    return months;
}

const std::vector<LunarMonth>& LunarMonths() {
    static const std::vector<LunarMonth> months = [] {
        const std::vector<double>& terms = SolarTermMoments();
        constexpr int kSolsticeIndex = 23;
        std::vector<int> principalTermDays;
        std::vector<int> solsticeDays;
        for (std::size_t t = 1; t < terms.size(); t += 2) principalTermDays.push_back(CalendarDayOf(terms[t]));
        for (std::size_t t = kSolsticeIndex; t < terms.size(); t += kTermsPerYear) solsticeDays.push_back(CalendarDayOf(terms[t]));
        // Every new moon from a month before the first solstice to a month after the last.
        std::vector<int> newMoonDays;
        const int firstLunation = astronomy::LunationNear(astronomy::JdeFromChinaDays(solsticeDays.front())) - 2;
        const int lastLunation = astronomy::LunationNear(astronomy::JdeFromChinaDays(solsticeDays.back())) + 2;
        for (int k = firstLunation; k <= lastLunation; ++k) {
            newMoonDays.push_back(CalendarDayOf(astronomy::ChinaDaysFromJde(astronomy::NewMoonJde(k))));
        }
        return NumberLunarMonths(newMoonDays, principalTermDays, solsticeDays, kFirstTermYear);
    }();
    return months;
}

}  // namespace velorin
