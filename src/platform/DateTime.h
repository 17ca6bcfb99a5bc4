#pragma once
// The platform's date-time: days since 1899-12-30 00:00 as a real number.
// Zero is the zero date-time (30 December 1899), which lies before every
// calendar the program knows and stands for "no moment".
namespace velorin {

struct DateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class DateTime {
public:
    DateTime() = default;
    explicit DateTime(double days) : days_(days) {}

    // Out-of-range values are clamped, never rejected: year to 100..9999,
    // month to 1..12, day to 1..the last day of that month, hour to 0..23.
    // Minutes and seconds are 0.
    static DateTime FromParts(int year, int month, int day, int hour);

    DateTimeParts Parts() const;
    double Days() const { return days_; }
    bool IsZero() const { return days_ == 0.0; }

    friend bool operator==(const DateTime&, const DateTime&) = default;

private:
    double days_ = 0.0;
};

int DaysInMonth(int year, int month);
bool IsLeapYear(int year);

}  // namespace velorin
