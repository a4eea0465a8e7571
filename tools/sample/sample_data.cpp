#include "sample_data.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "../../viewer/fields.h"
#include "calendar.h"
#include "lysimeter.h"
#include "random.h"
#include "weather.h"

namespace {

using namespace fields;

constexpr std::string_view kWeekdayCodes[7] = {"MA", "DI", "WO", "DO", "VR", "ZA", "ZO"};
// January is labelled with its year, so that every plate shows where a year begins.
constexpr std::string_view kMonthLabels[12] = {"",     "FEB ", "MRT ", "APR ", "MEI ", "JUN ",
                                               "JUL ", "AUG ", "SEP ", "OKT ", "NOV ", "DEC "};
constexpr char kTubeLetters[3] = {'A', 'B', 'C'};

// Places text at the 1-based position of a record.
void Put(std::string& record, int pos, std::string_view text) {
    if (pos < 1 || pos - 1 + text.size() > record.size()) throw std::length_error("field outside its record");
    record.replace(std::size_t(pos - 1), text.size(), text);
}

// A number right-aligned in its field, padded with leading blanks, as the fields are read.
std::string RightAligned(long value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%*ld", width, value);
    if (int(std::string_view(text).size()) != width) throw std::length_error("number wider than its field");
    return text;
}

bool IsSamplingDay(const CalendarDay& day) {
    // The first Monday on or after the 1st and on or after the 15th of every month.
    return day.weekday == 0 && (day.day <= 7 || (day.day >= 15 && day.day <= 21));
}

bool TubeCInstalled(const CalendarDay& day) {
    return day.year > 1966 || (day.year == 1966 && day.month >= 7);
}

std::string DailyRecord(const CalendarDay& day, const DayWeather& weather,
                        const std::vector<std::vector<LysimeterDay>>& lysimeters, std::size_t index,
                        SampleRandom& random) {
    std::string record(kDailyRecordSize, ' ');
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%04d%03d", day.year, day.dayOfYear);
    Put(record, 1, stamp);
    Put(record, kMonthLabel,
        day.month == 1 ? std::to_string(day.year) : std::string(kMonthLabels[day.month - 1]));
    char dayOfMonth[8];
    std::snprintf(dayOfMonth, sizeof dayOfMonth, "%02d", day.day);
    Put(record, kDayOfMonth, dayOfMonth);
    Put(record, kWeekday, kWeekdayCodes[day.weekday]);
    Put(record, kPrecipitation, RightAligned(weather.precipitationTenths, kPrecipitationWidth));
    record[kPrecipitationCode - 1] = weather.code;
    // The levels are read on working days only.
    const bool levelRead = day.weekday < 5;
    for (int l = 1; l <= 4; ++l) {
        const LysimeterDay& state = lysimeters[std::size_t(l - 1)][index];
        const int pos = LysimeterPos(l);
        Put(record, pos + kDrainOffset, RightAligned(state.drainHundredths, kDrainWidth));
        if (levelRead) {
            const double jitter = random.chance(0.2) ? (random.chance(0.5) ? 1 : -1) : 0;
            const long level =
                std::max(long(kContainerBottomLevel),
                         kContainerBottomLevel + std::lround(state.freeWaterCm) + long(jitter));
            Put(record, pos + kLevelOffset, RightAligned(level, kLevelWidth));
        } else {
            record[std::size_t(pos + kLevelFlagOffset - 1)] = '9';
        }
    }
    return record;
}

std::string ProfileRecord(const CalendarDay& day, int lysimeter, int tube, const LysimeterDay& state,
                          const double (&offsets)[kReadings], SampleRandom& random) {
    std::string record(kProfileRecordSize, ' ');
    char head[32];
    std::snprintf(head, sizeof head, "%04d%02d%02d L%d %c", day.year, day.month, day.day, lysimeter,
                  kTubeLetters[tube]);
    Put(record, 1, head);
    if (tube == 2 && !TubeCInstalled(day)) return record;
    const LysimeterSoil& soil = kLysimeterSoils[lysimeter - 1];
    for (int k = 0; k < kReadings; ++k) {
        const int reading = MoistureReading(soil, state, kReadingDepthCm[k], offsets[k], random);
        // Now and then the probe gave no reading at one depth.
        if (random.chance(0.004)) continue;
        Put(record, ReadingPos(k), RightAligned(reading, kReadingWidth));
    }
    return record;
}

}  // namespace

SampleDataSet MakeSampleDataSet() {
    SampleRandom weatherRandom(0x1963'0101);
    SampleRandom levelRandom(0x1963'0102);
    SampleRandom profileRandom(0x1963'0103);

    const std::vector<CalendarDay> days = SampleCalendar();
    const std::vector<DayWeather> weather = SampleWeather(days, weatherRandom);
    std::vector<std::vector<LysimeterDay>> lysimeters;
    for (const LysimeterSoil& soil : kLysimeterSoils) lysimeters.push_back(SimulateLysimeter(soil, weather));

    // Every tube reads a little above or below its lysimeter's mean, the same at every sampling.
    double tubeOffsets[4][3][kReadings];
    for (auto& lysimeter : tubeOffsets)
        for (auto& tube : lysimeter)
            for (double& offset : tube) offset = profileRandom.uniform(-12, 12);

    SampleDataSet set;
    set.daily.reserve(days.size() * kDailyRecordSize);
    long profileRecords = 0;
    for (std::size_t i = 0; i < days.size(); ++i) {
        std::string record = DailyRecord(days[i], weather[i], lysimeters, i, levelRandom);
        if (IsSamplingDay(days[i])) {
            for (int l = 1; l <= 4; ++l) {
                const int pos = LysimeterPos(l);
                Put(record, pos + kPointerOffset, RightAligned(profileRecords, kPointerWidth));
                for (int tube = 0; tube < TubeCount(l); ++tube) {
                    set.profiles += ProfileRecord(days[i], l, tube, lysimeters[std::size_t(l - 1)][i],
                                                  tubeOffsets[l - 1][tube], profileRandom);
                    ++profileRecords;
                }
            }
        }
        set.daily += record;
    }
    return set;
}
