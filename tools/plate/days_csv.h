#pragma once
// The days behind a plate as CSV, so a report can quote the numbers of a picture.
#include <cstdint>
#include <string>

#include "plate_session.h"

// One line per day of the window: record number, the record's own date fields, precipitation
// and drain in mm, free water in cm (empty when not observed), and on sampling days the
// fifteen readings (per mille) of the selected tube or the tubes' mean, empty where missing.
bool WriteDaysCsv(const std::string& path, int32_t windowStart, int16_t days, const PlateView& view,
                  std::string& why);
