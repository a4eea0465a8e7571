#pragma once
// The viewer's own code run headless for the export tool: the language screen once, then one
// plate (with its command bar, as the user sees it) for each requested view.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/headless.h"

struct PlateView {
    int32_t firstDay = 1461;  // RECNR, before the window start rule
    int16_t lysimeter = 3;
    int16_t tube = 4;
    bool correction = false;
};

class PlateSession {
public:
    // Opens the data files of the working directory and confirms `language` on the
    // introduction screen. Run-time errors propagate as RuntimeError.
    explicit PlateSession(int16_t language);
    ~PlateSession();
    PlateSession(const PlateSession&) = delete;
    PlateSession& operator=(const PlateSession&) = delete;

    // The picture at the command bar's first key wait after the plate for `view`; `windowStart`
    // receives the plate's first record and `days` the number of days it shows.
    PaletteImage render(const PlateView& view, int32_t& windowStart, int16_t& days);

private:
    HeadlessBackend backend_;
};

// The record number of a day given as a record number or as a date YYYY-MM-DD (days since
// 1 January 1963, checked against the record's own day of the month). nullopt with the reason
// in `why` when the text is neither, or the record does not hold that day.
std::optional<int32_t> ResolveDay(const std::string& text, std::string& why);
