#include "weather.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

// Monthly climate, January first: mean precipitation (mm), share of wet days, potential
// evaporation (mm a day), chance that a cold spell sets in on a given day.
constexpr double kMonthlyPrecipitation[12] = {67, 48, 52, 45, 55, 65, 78, 80, 75, 80, 80, 75};
constexpr double kWetShare[12] = {0.58, 0.52, 0.50, 0.44, 0.44, 0.45, 0.47, 0.48, 0.50, 0.55, 0.60, 0.60};
constexpr double kEvaporation[12] = {0.2, 0.4, 0.9, 1.8, 2.8, 3.3, 3.3, 2.8, 1.8, 0.9, 0.4, 0.2};
constexpr double kColdSpellStart[12] = {0.06, 0.05, 0.02, 0, 0, 0, 0, 0, 0, 0, 0.015, 0.04};
constexpr double kColdSpellStays = 0.85;
constexpr int kDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsSummer(int month) { return month >= 6 && month <= 8; }

struct RawDay {
    bool wet = false;
    double amount = 0;  // before the year's totals are scaled
    bool frost = false;
    bool storm = false;
    bool hail = false;
};

RawDay DrawDay(const CalendarDay& day, bool wasWet, bool wasCold, SampleRandom& random) {
    const int m = day.month - 1;
    RawDay raw;
    // The winter of 1963 opened in a long hard frost.
    const bool hardWinter = day.year == kFirstYear && day.month <= 2;
    const double stay = hardWinter ? 0.97 : kColdSpellStays;
    const double start = hardWinter ? 0.5 : kColdSpellStart[m];
    raw.frost = random.chance(wasCold ? stay : start);

    // Wet and dry days come in spells: yesterday's weather tilts today's chance.
    const double share = kWetShare[m] * (raw.frost ? 0.6 : 1.0);
    raw.wet = random.chance(std::clamp(share + (wasWet ? 0.15 : -0.15), 0.05, 0.95));
    if (!raw.wet) return raw;
    // Skewed amounts: many small, a few large; u^3 has mean 1/4.
    const double mean = kMonthlyPrecipitation[m] / (kDaysInMonth[m] * kWetShare[m]);
    const double u = random.uniform();
    raw.amount = mean * 4 * u * u * u;
    if (IsSummer(day.month) && random.chance(0.04)) {
        raw.storm = true;
        raw.amount = raw.amount * 3 + mean * 2;
    }
    raw.hail = !raw.frost && (day.month == 4 || day.month == 5) && random.chance(0.04);
    return raw;
}

char Code(const RawDay& raw, int tenths, int month, SampleRandom& random) {
    if (tenths == 0) return ' ';
    if (raw.frost) return '5';
    if (raw.hail) return '6';
    if (raw.storm || (IsSummer(month) && tenths >= 100 && random.chance(0.5))) return '7';
    return tenths < 10 ? '2' : '1';
}

}  // namespace

std::vector<DayWeather> SampleWeather(const std::vector<CalendarDay>& days, SampleRandom& random) {
    std::vector<DayWeather> weather(days.size());
    bool wet = true;
    bool cold = true;
    std::size_t first = 0;
    while (first < days.size()) {
        std::size_t end = first;
        while (end < days.size() && days[end].year == days[first].year) ++end;

        std::vector<RawDay> raw;
        double total = 0;
        for (std::size_t i = first; i < end; ++i) {
            raw.push_back(DrawDay(days[i], wet, cold, random));
            wet = raw.back().wet;
            cold = raw.back().frost;
            total += raw.back().amount;
        }
        const double target = random.uniform(760, 840);
        const double scale = total > 0 ? target / total : 0;
        for (std::size_t i = first; i < end; ++i) {
            const RawDay& r = raw[i - first];
            DayWeather& w = weather[i];
            w.precipitationTenths = std::min(999, int(std::lround(r.amount * scale * 10)));
            w.code = Code(r, w.precipitationTenths, days[i].month, random);
            w.frost = r.frost;
            w.potentialEvaporation = r.frost ? 0 : kEvaporation[days[i].month - 1];
        }
        first = end;
    }
    return weather;
}
