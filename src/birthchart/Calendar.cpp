#include "birthchart/Calendar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "birthchart/LunarMonths.h"
#include "birthchart/SexagenaryCycle.h"
#include "birthchart/SolarTerms.h"

namespace velorin {

namespace {

constexpr long long kSecondsPerDay = 86400;

// A moment as a whole day and hour; moments are built from whole hours, so
// rounding to the second removes the floating-point noise of hour / 24.
struct DayAndHour {
    long long day;  // days since 1899-12-30
    int hour;
    double days;    // the moment itself, for comparing with term moments
};

DayAndHour AsDayAndHour(const DateTime& moment) {
    const long long seconds = std::llround(moment.Days() * kSecondsPerDay);
    const long long day = (seconds >= 0 ? seconds : seconds - kSecondsPerDay + 1) / kSecondsPerDay;
    return {day, static_cast<int>((seconds - day * kSecondsPerDay) / 3600), static_cast<double>(seconds) / kSecondsPerDay};
}

long long DayNumber(int year, int month, int day) { return std::llround(DateTime::FromParts(year, month, day, 0).Days()); }

// The calendar covers 19 February 1901 (the first day of the lunar year 1901)
// to 31 December 2048.
bool InRange(const DayAndHour& moment) {
    static const long long kFirstDay = DayNumber(1901, 2, 19);
    static const long long kEndDay = DayNumber(2049, 1, 1);
    return moment.day >= kFirstDay && moment.day < kEndDay;
}

bool Before1901(const DayAndHour& moment) {
    static const long long kFirstDayOf1901 = DayNumber(1901, 1, 1);
    return moment.day < kFirstDayOf1901;
}

// 1899-12-30 was a 壬申 day (cycle step 8 from 甲子).
constexpr long long kCycleStepOfDay0 = 8;
// The 小寒 of 1900 began the 丁丑 month (step 13) of the 己亥 year.
constexpr int kCycleStepOfFirstTermMonth = 13;
// 1984, and every 60th year before and after it, is a 甲子 year.
constexpr int kCycleStartYear = 1984;

// Number of the monthly term (0 = 小寒 of kFirstTermYear) in force at a moment.
int MonthlyTermAt(double days) {
    static const std::vector<double> monthlyTerms = [] {
        std::vector<double> even;
        const std::vector<double>& all = SolarTermMoments();
        for (std::size_t t = 0; t < all.size(); t += 2) even.push_back(all[t]);
        return even;
    }();
    return static_cast<int>(std::upper_bound(monthlyTerms.begin(), monthlyTerms.end(), days) - monthlyTerms.begin()) - 1;
}

int YearPillarAt(double days) {
    // Twelve monthly terms a year; the year begins at 立春, the second of them
    // (term 1), so 小寒 (term 0) still belongs to the year before.
    constexpr int kMonthlyTerms = kTermsPerYear / 2;
    const int termsSinceFirstSpring = MonthlyTermAt(days) - 1;
    const int solarYear = kFirstTermYear + (termsSinceFirstSpring + kMonthlyTerms) / kMonthlyTerms - 1;
    return CycleNumberAfter(solarYear - kCycleStartYear);
}

}  // namespace

bool FourPillarsOf(const DateTime& moment, FourPillars& pillars) {
    const DayAndHour at = AsDayAndHour(moment);
    if (Before1901(at)) return false;
    if (!InRange(at)) {
        pillars = {};
        return false;
    }
    // From 23:00 the day is already the next one, and so is the 子 period.
    const long long pillarDay = at.hour >= 23 ? at.day + 1 : at.day;
    const int day = CycleNumberAfter(pillarDay + kCycleStepOfDay0);
    const int branch = (at.hour + 1) / 2 % kBranchCount;
    // The 子 period of a 甲 or 己 day is 甲子, of an 乙 or 庚 day 丙子, and so on.
    const int hour = CycleNumberAfter(StemOf(day) % 5 * kBranchCount + branch);
    pillars.year = CycleName(YearPillarAt(at.days));
    pillars.month = CycleName(CycleNumberAfter(MonthlyTermAt(at.days) + kCycleStepOfFirstTermMonth));
    pillars.day = CycleName(day);
    pillars.hour = CycleName(hour);
    return true;
}

std::string ZodiacOf(const DateTime& moment) {
    static constexpr std::array<const char*, kBranchCount> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                                       "马", "羊", "猴", "鸡", "狗", "猪"};
    const DayAndHour at = AsDayAndHour(moment);
    if (!InRange(at)) return {};
    return kAnimals[static_cast<std::size_t>(BranchOf(YearPillarAt(at.days)))];
}

bool LunarDateOf(const DateTime& moment, LunarDate& date) {
    const DayAndHour at = AsDayAndHour(moment);
    if (!InRange(at)) return false;
    const std::vector<LunarMonth>& months = LunarMonths();
    const auto next = std::upper_bound(months.begin(), months.end(), at.day,
                                       [](long long day, const LunarMonth& month) { return day < month.firstDay; });
    const LunarMonth& month = *(next - 1);
    date = {month.year, month.month, static_cast<int>(at.day - month.firstDay) + 1, month.leap};
    return true;
}

}  // namespace velorin
