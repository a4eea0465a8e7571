#include "calendar.h"

namespace {

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::vector<CalendarDay> SampleCalendar() {
    std::vector<CalendarDay> days;
    int weekday = 1;  // 1 January 1963 was a Tuesday
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        int dayOfYear = 0;
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                days.push_back({year, month, day, ++dayOfYear, weekday});
                weekday = (weekday + 1) % 7;
            }
        }
    }
    return days;
}
