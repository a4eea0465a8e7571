#include "days_csv.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

#include "platform/Val.h"
#include "viewer/GEEFLYSIM.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/fields.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Text fields are quoted, with quotes doubled, so any byte of a record stays one field.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

}  // namespace

bool WriteDaysCsv(const std::string& path, int32_t windowStart, int16_t days, const PlateView& view,
                  std::string& why) {
    using namespace UNTVOCH0;
    std::unique_ptr<std::FILE, FileCloser> out(std::fopen(path.c_str(), "w"));
    if (!out) {
        why = path + ": " + std::strerror(errno);
        return false;
    }
    std::string header = "record,month,day,weekday,precipitation_mm,drain_mm,free_water_cm";
    for (int k = 0; k < fields::kReadings; ++k)
        header += ",moisture_" + std::to_string(fields::kReadingDepthCm[k]) + "cm";
    std::fprintf(out.get(), "%s\n", header.c_str());

    const int pos = fields::LysimeterPos(view.lysimeter);
    int fc = 0;
    F.seek(windowStart);
    for (int16_t day = 0; day < days; ++day) {
        ReadDailyRecord();
        std::string line = std::to_string(windowStart + day);
        line += "," + Quoted(SREC.copy(fields::kMonthLabel, fields::kMonthLabelWidth));
        line += "," + Quoted(SREC.copy(fields::kDayOfMonth, fields::kDayOfMonthWidth));
        line += "," + Quoted(SREC.copy(fields::kWeekday, fields::kWeekdayWidth));
        line += "," + Number(ValReal(SREC.copy(fields::kPrecipitation, fields::kPrecipitationWidth), fc) / 10);
        line += "," + Number(ValReal(SREC.copy(pos + fields::kDrainOffset, fields::kDrainWidth), fc) / 100);
        line += ",";
        if (SREC[pos + fields::kLevelFlagOffset] != '9')
            line += std::to_string(ValInt(SREC.copy(pos + fields::kLevelOffset, fields::kLevelWidth), fc) -
                                   fields::kContainerBottomLevel);
        const bool sampled = SREC.copy(pos + fields::kPointerOffset, fields::kPointerWidth) != "     ";
        if (sampled) {
            const UNTVOCH1::ProfileTable table = UNTVOCH1::ReadProfile(int16_t(pos));
            for (int k = 0; k < fields::kReadings; ++k) {
                const double value = table[view.tube][k];
                line += value > 0 ? "," + Number(value) : std::string(",");
            }
        } else {
            line += std::string(fields::kReadings, ',');
        }
        std::fprintf(out.get(), "%s\n", line.c_str());
    }
    if (std::fflush(out.get()) != 0) {
        why = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
