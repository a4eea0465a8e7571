#pragma once
// The station's daily weather: precipitation as the rain gauge records it, its code character
// and the evaporative demand the lysimeters answer to.
#include <vector>

#include "calendar.h"
#include "random.h"

struct DayWeather {
    int precipitationTenths = 0;      // tenths of a millimetre, snow as water equivalent
    char code = ' ';                  // ' ' dry, '1' rain, '2' drizzle, '5' snow, '6' hail, '7' thunder
    bool frost = false;               // a day of a cold spell: snow lies, nothing evaporates
    double potentialEvaporation = 0;  // millimetres
};

// A seasonal climate of about 800 mm a year: each calendar year's total is drawn between 760
// and 840 mm and shared out over its wet days.
std::vector<DayWeather> SampleWeather(const std::vector<CalendarDay>& days, SampleRandom& random);
