#pragma once
// The calendar days the sample data set covers: 1 January 1963 to 31 December 1971.
#include <vector>

struct CalendarDay {
    int year;
    int month;      // 1 to 12
    int day;        // day of the month, 1 to 31
    int dayOfYear;  // 1 to 366
    int weekday;    // 0 Monday to 6 Sunday
};

inline constexpr int kFirstYear = 1963;
inline constexpr int kLastYear = 1971;

std::vector<CalendarDay> SampleCalendar();
