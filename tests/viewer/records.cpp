#include "records.h"

#include <cstdio>
#include <stdexcept>

#include "viewer/fields.h"

namespace viewer_tests {

namespace {

void PutRight(std::string& text, int pos, int width, std::string_view field) {
    if (int(field.size()) > width) throw std::invalid_argument("field too wide");
    text.replace(pos - 1, width, std::string(width - field.size(), ' ') + std::string(field));
}

}  // namespace

DailyRecord::DailyRecord() : text_(fields::kDailyRecordSize, ' ') {
    for (int l = 1; l <= 4; ++l) flag(l, '9');
}

void DailyRecord::put(int pos, int width, std::string_view field) { PutRight(text_, pos, width, field); }

DailyRecord& DailyRecord::month(std::string_view label) {
    put(fields::kMonthLabel, fields::kMonthLabelWidth, label);
    return *this;
}

DailyRecord& DailyRecord::day(int dayOfMonth) {
    char dd[8];
    std::snprintf(dd, sizeof dd, "%02d", dayOfMonth);
    put(fields::kDayOfMonth, fields::kDayOfMonthWidth, dd);
    return *this;
}

DailyRecord& DailyRecord::weekday(std::string_view code) {
    put(fields::kWeekday, fields::kWeekdayWidth, code);
    return *this;
}

DailyRecord& DailyRecord::rain(std::string_view field) {
    put(fields::kPrecipitation, fields::kPrecipitationWidth, field);
    return *this;
}

DailyRecord& DailyRecord::code(char c) {
    text_[fields::kPrecipitationCode - 1] = c;
    return *this;
}

DailyRecord& DailyRecord::drain(int lysimeter, std::string_view field) {
    put(fields::LysimeterPos(lysimeter) + fields::kDrainOffset, fields::kDrainWidth, field);
    return *this;
}

DailyRecord& DailyRecord::level(int lysimeter, int reading) {
    put(fields::LysimeterPos(lysimeter) + fields::kLevelOffset, fields::kLevelWidth,
        std::to_string(reading));
    return flag(lysimeter, ' ');
}

DailyRecord& DailyRecord::flag(int lysimeter, char c) {
    text_[fields::LysimeterPos(lysimeter) + fields::kLevelFlagOffset - 1] = c;
    return *this;
}

DailyRecord& DailyRecord::pointer(int lysimeter, std::string_view field) {
    put(fields::LysimeterPos(lysimeter) + fields::kPointerOffset, fields::kPointerWidth, field);
    return *this;
}

ProfileRecord::ProfileRecord() : text_(fields::kProfileRecordSize, ' ') {}

ProfileRecord& ProfileRecord::reading(int k, std::string_view field) {
    PutRight(text_, fields::ReadingPos(k), fields::kReadingWidth, field);
    return *this;
}

ProfileRecord& ProfileRecord::all(int value) {
    for (int k = 0; k < fields::kReadings; ++k) reading(k, value);
    return *this;
}

std::vector<DailyRecord> Days(int count) { return std::vector<DailyRecord>(count); }

std::string Concatenate(const std::vector<DailyRecord>& days) {
    std::string bytes;
    for (const auto& d : days) bytes += d.text();
    return bytes;
}

std::string Concatenate(const std::vector<ProfileRecord>& profiles) {
    std::string bytes;
    for (const auto& p : profiles) bytes += p.text();
    return bytes;
}

}  // namespace viewer_tests
