#pragma once
// Where the fields of the two record layouts lie: 1-based character positions in SREC (daily
// water-balance records of DRELMIKS.WN1) and SRECV (moisture-profile records of DRELMIKS.WN2).
#include <cstdint>

namespace fields {

// Daily record, 81 characters.
inline constexpr int kDailyRecordSize = 81;
inline constexpr int kMonthLabel = 8, kMonthLabelWidth = 4;
inline constexpr int kDayOfMonth = 12, kDayOfMonthWidth = 2;
inline constexpr int kWeekday = 15, kWeekdayWidth = 2;
inline constexpr int kPrecipitation = 17, kPrecipitationWidth = 4;  // tenths of a millimetre
inline constexpr int kPrecipitationCode = 21;

// The lysimeter's base position POS (22, 27, 32, 37 for lysimeter 1 to 4); its own fields lie
// at fixed distances from it.
constexpr int16_t LysimeterPos(int lysimeter) { return int16_t(17 + 5 * lysimeter); }
inline constexpr int kDrainOffset = 0, kDrainWidth = 4;   // hundredths of a millimetre
inline constexpr int kLevelOffset = 20, kLevelWidth = 4;  // centimetres, 125 = container bottom
inline constexpr int kLevelFlagOffset = 24;               // "9": no level observed that day
inline constexpr int kPointerOffset = 40, kPointerWidth = 5;
inline constexpr int kContainerBottomLevel = 125;

// Profile record, 91 characters: reading k (0 to 14) in per mille, at the depths below.
inline constexpr int kProfileRecordSize = 91;
inline constexpr int kReadings = 15;
inline constexpr int kReadingWidth = 4;
constexpr int ReadingPos(int k) { return 17 + 5 * k; }
inline constexpr int16_t kReadingDepthCm[kReadings] = {0,   20,  30,  40,  60,  90,  120, 150,
                                                       170, 190, 200, 210, 220, 230, 240};

// Profile records come in blocks of ten per sampling: lysimeters 1 and 4 have two tube
// records (A, B), lysimeters 2 and 3 three (A, B, C).
inline constexpr int kSamplingBlock = 10;
constexpr int TubeCount(int lysimeter) { return lysimeter == 1 || lysimeter == 4 ? 2 : 3; }

}  // namespace fields
