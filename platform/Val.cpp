#include "Val.h"

#include <charconv>
#include <climits>
#include <cstddef>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The 1-based position of index i, for the error report.
int Position(std::size_t i) { return i < std::size_t(INT_MAX) ? int(i + 1) : INT_MAX; }

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

}  // namespace

double ValReal(std::string_view text, int& errorPos) {
    const std::size_t start = SkipBlanks(text);
    std::size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t mantissa = i;  // from_chars takes no "+", so the sign is applied below

    std::size_t digits = SkipDigits(text, i) - i;
    i += digits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = SkipDigits(text, i + 1) - (i + 1);
        digits += fraction;
        i += 1 + fraction;
    }
    if (digits == 0) {
        errorPos = Position(i);
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        const std::size_t end = SkipDigits(text, i);
        if (end == i) {
            errorPos = Position(i);
            return 0;
        }
        i = end;
    }
    if (i < text.size()) {
        errorPos = Position(i);
        return 0;
    }

    // The text is well formed, so from_chars can only fail on a magnitude that double cannot
    // hold (overflow to infinity or underflow to zero): such a number counts as no number.
    double value = 0;
    const char* first = text.data() + mantissa;
    const char* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last) {
        errorPos = Position(start);
        return 0;
    }
    errorPos = 0;
    return text[start] == '-' ? -value : value;
}

int32_t ValInt(std::string_view text, int& errorPos) {
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t digits = i;
    // The magnitude is gathered in 64 bits and stopped as soon as it leaves the 32-bit range.
    const int64_t limit = negative ? int64_t(INT32_MAX) + 1 : int64_t(INT32_MAX);
    int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) {
            errorPos = Position(i);
            return 0;
        }
    }
    if (i == digits || i < text.size()) {
        errorPos = Position(i);
        return 0;
    }
    errorPos = 0;
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}
