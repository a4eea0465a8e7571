#pragma once
// Daily and profile records for small crafted data files, built field by field.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace viewer_tests {

// One 81-character daily record. A fresh record is all blanks except the level flags, which
// say "no level observed" for every lysimeter, so it draws no bar, mark or line of its own.
class DailyRecord {
public:
    DailyRecord();
    DailyRecord& month(std::string_view label);  // positions 8-11, as printed
    DailyRecord& day(int dayOfMonth);            // positions 12-13, two digits
    DailyRecord& weekday(std::string_view code); // positions 15-16
    DailyRecord& rain(std::string_view field);   // positions 17-20, right-aligned
    DailyRecord& rain(int tenths) { return rain(std::to_string(tenths)); }
    DailyRecord& code(char c);                   // position 21
    DailyRecord& drain(int lysimeter, std::string_view field);
    DailyRecord& drain(int lysimeter, int hundredths) { return drain(lysimeter, std::to_string(hundredths)); }
    // The level reading with its flag blank (observed).
    DailyRecord& level(int lysimeter, int reading);
    DailyRecord& flag(int lysimeter, char c);
    DailyRecord& pointer(int lysimeter, std::string_view field);
    DailyRecord& pointer(int lysimeter, int record) { return pointer(lysimeter, std::to_string(record)); }
    const std::string& text() const { return text_; }

private:
    void put(int pos, int width, std::string_view field);  // right-aligned, 1-based
    std::string text_;
};

// One 91-character profile record: blank readings unless set.
class ProfileRecord {
public:
    ProfileRecord();
    ProfileRecord& reading(int k, std::string_view field);  // right-aligned in 4 characters
    ProfileRecord& reading(int k, int value) { return reading(k, std::to_string(value)); }
    ProfileRecord& all(int value);                          // every depth the same reading
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// `count` fresh daily records.
std::vector<DailyRecord> Days(int count);
// The records one after another, as the files hold them.
std::string Concatenate(const std::vector<DailyRecord>& days);
std::string Concatenate(const std::vector<ProfileRecord>& profiles);

}  // namespace viewer_tests
