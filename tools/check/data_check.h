#pragma once
// The data checker: finds what in a pair of record files the viewer would show wrongly or
// fail on. It looks at the bytes only and changes nothing.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Finding {
    std::string file;     // "DRELMIKS.WN1" or "DRELMIKS.WN2"
    int64_t record = -1;  // -1: the file as a whole
    std::string field;    // "" for the file as a whole
    int first = 0;        // 1-based character positions of the field in its record
    int last = 0;
    std::string problem;
};

std::vector<Finding> CheckDataSet(std::string_view daily, std::string_view profiles);

// One line, without its line end:
// DRELMIKS.WN1 record 17, precipitation (17-20): "12  " does not parse and reads as 0
std::string FormatFinding(const Finding& finding);
