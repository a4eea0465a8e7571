#pragma once
// The command line of the plate export tool.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/keys.h"

struct PlateOptions {
    std::string dataDir = ".";
    int16_t language = 1;  // 1 Dutch, 2 English, 3 German
    int16_t lysimeter = 3;
    int16_t tube = 4;      // 1 A, 2 B, 3 C, 4 M
    bool correction = false;
    std::string firstDay = "1461";  // a record number or a date YYYY-MM-DD
    std::optional<std::string> lastDay;  // one plate per successive window up to this day
    std::optional<std::vector<Key>> keys;  // run the program on these keys instead
    std::string out = "plate";
    bool csv = false;
    bool help = false;
};

// Parses argv; on a bad option returns nullopt with the reason in `why`.
std::optional<PlateOptions> ParseOptions(int argc, char** argv, std::string& why);
std::string UsageText();

// "enter,right,F1,a,close" -> keys; nullopt with the bad token in `why`.
std::optional<std::vector<Key>> ParseKeyList(const std::string& list, std::string& why);
