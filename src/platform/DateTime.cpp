#include "platform/DateTime.h"

#include <algorithm>
#include <cmath>

namespace velorin {

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's algorithm).
constexpr long long DaysFromCivil(long long year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long long>(dayOfEra) - 719468;
}

DateTimeParts CivilFromDays(long long days) {
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const unsigned dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    DateTimeParts parts;
    parts.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    parts.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    parts.year = static_cast<int>(static_cast<long long>(yearOfEra) + era * 400 + (parts.month <= 2));
    return parts;
}

// constexpr, so that date-times built during static initialisation elsewhere
// never see an offset that is not set yet.
constexpr long long kEpochOffset = DaysFromCivil(1899, 12, 30);

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    month = std::clamp(month, 1, 12);
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

DateTime DateTime::FromParts(int year, int month, int day, int hour) {
    year = std::clamp(year, 100, 9999);
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, DaysInMonth(year, month));
    hour = std::clamp(hour, 0, 23);
    const long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset;
    return DateTime(static_cast<double>(days) + hour / 24.0);
}

DateTimeParts DateTime::Parts() const {
    // Round to the nearest second first, so that hour fractions such as 5/24
    // read back as whole hours.
    const long long seconds = std::llround(days_ * 86400.0);
    long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    long long secondOfDay = seconds - days * 86400;
    DateTimeParts parts = CivilFromDays(days + kEpochOffset);
    parts.hour = static_cast<int>(secondOfDay / 3600);
    parts.minute = static_cast<int>(secondOfDay / 60 % 60);
    parts.second = static_cast<int>(secondOfDay % 60);
    return parts;
}

}  // namespace velorin
