#include "data_check.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "../../platform/Val.h"
#include "../../viewer/fields.h"

namespace {

using namespace fields;

constexpr const char* kDailyFile = "DRELMIKS.WN1";
constexpr const char* kProfileFile = "DRELMIKS.WN2";
constexpr int kWindowDays = 93;
constexpr std::string_view kWeekdayCodes[7] = {"MA", "DI", "WO", "DO", "VR", "ZA", "ZO"};

// The field text in quotes, with every byte that is not printable ASCII as \xNN.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out += char(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            out += escape;
        }
    }
    return out + "\"";
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// A field of one record: its text, its positions and its name.
struct Field {
    std::string_view text;
    int first;
    std::string name;
};

Field Cut(std::string_view record, int pos, int width, std::string name) {
    return {record.substr(std::size_t(pos - 1), std::size_t(width)), pos, std::move(name)};
}

std::string LysimeterField(const char* what, int lysimeter) {
    return std::string(what) + " L" + std::to_string(lysimeter);
}

class Checker {
public:
    Checker(std::string_view daily, std::string_view profiles)
        : daily_(daily),
          profiles_(profiles),
          days_(int64_t(daily.size() / kDailyRecordSize)),
          profileRecords_(int64_t(profiles.size() / kProfileRecordSize)) {}

    std::vector<Finding> run() {
        if (days_ < kWindowDays)
            add(kDailyFile, -1, {{}, 0, ""},
                std::to_string(days_) + " whole records, fewer than the 93 days of a plate");
        partialRecord(kDailyFile, daily_, kDailyRecordSize);
        for (int64_t r = 0; r < days_; ++r) dailyRecord(r);
        partialRecord(kProfileFile, profiles_, kProfileRecordSize);
        for (const auto& [record, from] : reached_) profileRecord(record, from);
        return std::move(findings_);
    }

private:
    void add(const char* file, int64_t record, const Field& field, std::string problem) {
        const int last = field.first == 0 ? 0 : field.first + int(field.text.size()) - 1;
        findings_.push_back({file, record, field.name, field.first, last, std::move(problem)});
    }

    void partialRecord(const char* file, std::string_view bytes, int recordSize) {
        const std::size_t tail = bytes.size() % std::size_t(recordSize);
        if (tail == 0) return;
        add(file, int64_t(bytes.size() / std::size_t(recordSize)),
            {bytes.substr(bytes.size() - tail), 1, "partial record"},
            std::to_string(tail) + (tail == 1 ? " byte" : " bytes") +
                " after the last whole record, never read");
    }

    std::string_view dailyText(int64_t r) const {
        return daily_.substr(std::size_t(r) * kDailyRecordSize, kDailyRecordSize);
    }

    void dailyRecord(int64_t r) {
        const std::string_view rec = dailyText(r);
        dayOfMonth(r, rec);
        weekday(r, rec);
        realField(r, Cut(rec, kPrecipitation, kPrecipitationWidth, "precipitation"));
        for (int l = 1; l <= 4; ++l) {
            const int pos = LysimeterPos(l);
            realField(r, Cut(rec, pos + kDrainOffset, kDrainWidth, LysimeterField("drain", l)));
            if (rec[std::size_t(pos + kLevelFlagOffset - 1)] != '9')
                level(r, Cut(rec, pos + kLevelOffset, kLevelWidth, LysimeterField("level", l)));
            pointer(r, l,
                    Cut(rec, pos + kPointerOffset, kPointerWidth, LysimeterField("profile pointer", l)));
        }
    }

    void dayOfMonth(int64_t r, std::string_view rec) {
        const Field f = Cut(rec, kDayOfMonth, kDayOfMonthWidth, "day of month");
        int day = -1;
        if (f.text.size() == 2 && f.text[0] >= '0' && f.text[0] <= '3' && f.text[1] >= '0' &&
            f.text[1] <= '9')
            day = (f.text[0] - '0') * 10 + (f.text[1] - '0');
        if (day < 1 || day > 31) {
            add(kDailyFile, r, f, Quoted(f.text) + " is not a day of the month from 01 to 31");
        } else if (previousDay_ > 0 && day != previousDay_ + 1 && !(day == 1 && previousDay_ >= 28)) {
            add(kDailyFile, r, f,
                Quoted(f.text) + " does not follow day " + std::to_string(previousDay_) +
                    " of the record before");
        }
        previousDay_ = day;
    }

    void weekday(int64_t r, std::string_view rec) {
        const Field f = Cut(rec, kWeekday, kWeekdayWidth, "day of week");
        const auto* code = std::find(std::begin(kWeekdayCodes), std::end(kWeekdayCodes), f.text);
        const int day = code == std::end(kWeekdayCodes) ? -1 : int(code - std::begin(kWeekdayCodes));
        if (day < 0) {
            add(kDailyFile, r, f, Quoted(f.text) + " is not a day-of-week code (MA DI WO DO VR ZA ZO)");
        } else if (previousWeekday_ >= 0 && day != (previousWeekday_ + 1) % 7) {
            add(kDailyFile, r, f,
                Quoted(f.text) + " does not follow " + std::string(kWeekdayCodes[previousWeekday_]) +
                    " of the record before");
        }
        previousWeekday_ = day;
    }

    void realField(int64_t r, const Field& f) {
        int error = 0;
        const double value = ValReal(f.text, error);
        if (error != 0)
            add(kDailyFile, r, f,
                Quoted(f.text) + (IsBlank(f.text) ? " is blank" : " does not parse") + " and reads as 0");
        else if (value < 0)
            add(kDailyFile, r, f, Quoted(f.text) + " is negative: no bar is drawn");
    }

    void level(int64_t r, const Field& f) {
        int error = 0;
        ValInt(f.text, error);
        if (error != 0)
            add(kDailyFile, r, f,
                Quoted(f.text) + (IsBlank(f.text) ? " is blank" : " does not parse") +
                    " on a day whose flag says observed: reads as -125 cm of free water");
    }

    void pointer(int64_t r, int lysimeter, const Field& f) {
        if (IsBlank(f.text)) return;
        int error = 0;
        const int64_t first = ValInt(f.text, error);
        if (error != 0) {
            add(kDailyFile, r, f, Quoted(f.text) + " does not parse: the profile of record 0 is drawn");
            return;
        }
        const int64_t last = first + TubeCount(lysimeter) - 1;
        if (first < 0) {
            add(kDailyFile, r, f, Quoted(f.text) + " is negative: reading the profile ends the run");
            return;
        }
        if (last >= profileRecords_) {
            add(kDailyFile, r, f,
                Quoted(f.text) + " needs records " + std::to_string(first) + " to " + std::to_string(last) +
                    " of " + kProfileFile + ", which has " + std::to_string(profileRecords_) +
                    ": reading the profile ends the run");
            return;
        }
        if (first / kSamplingBlock != last / kSamplingBlock)
            add(kDailyFile, r, f,
                Quoted(f.text) + ": records " + std::to_string(first) + " to " + std::to_string(last) +
                    " run into the next block of ten");
        for (int64_t p = first; p <= last; ++p) reached_.try_emplace(p, r);
    }

    void profileRecord(int64_t p, int64_t from) {
        const std::string_view rec =
            profiles_.substr(std::size_t(p) * kProfileRecordSize, kProfileRecordSize);
        const std::string via =
            " (profile of " + std::string(kDailyFile) + " record " + std::to_string(from) + ")";
        for (int k = 0; k < kReadings; ++k) {
            const Field f =
                Cut(rec, ReadingPos(k), kReadingWidth,
                    "reading " + std::to_string(k) + " at " + std::to_string(kReadingDepthCm[k]) + " cm");
            if (IsBlank(f.text)) continue;  // a blank reading is a missing one
            int error = 0;
            const int32_t value = ValInt(f.text, error);
            if (error != 0)
                add(kProfileFile, p, f, Quoted(f.text) + " does not parse and counts as missing" + via);
            else if (value < 0)
                add(kProfileFile, p, f,
                    Quoted(f.text) + " is negative: not drawn, but it lowers the mean" + via);
        }
    }

    std::string_view daily_;
    std::string_view profiles_;
    int64_t days_;
    int64_t profileRecords_;
    int previousDay_ = 0;
    int previousWeekday_ = -1;
    std::map<int64_t, int64_t> reached_;  // profile record -> the first daily record that reaches it
    std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> CheckDataSet(std::string_view daily, std::string_view profiles) {
    return Checker(daily, profiles).run();
}

std::string FormatFinding(const Finding& f) {
    std::string line = f.file;
    if (f.record >= 0) line += " record " + std::to_string(f.record);
    if (!f.field.empty()) {
        line += ", " + f.field + " (" + std::to_string(f.first);
        if (f.last != f.first) line += "-" + std::to_string(f.last);
        line += ")";
    }
    return line + ": " + f.problem;
}
