// The plate export tool: its options, its days, and the pictures and CSV it writes, compared
// with the viewer itself on the sample data set.
#include <png.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/palette.h"
#include "tests/support/files.h"
#include "tests/support/image_compare.h"
#include "tools/plate/options.h"
#include "tools/plate/plate_session.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/fields.h"
#include "viewer/program.h"

namespace {

namespace fs = std::filesystem;
using namespace fields;
using testing_support::ImagesMatch;
using testing_support::ReadFile;
using testing_support::ScopedWorkDir;

// ---- Options ----------------------------------------------------------------------------

std::optional<PlateOptions> Parse(std::vector<std::string> args, std::string& why) {
    args.insert(args.begin(), "drelmiks-plate");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    return ParseOptions(int(argv.size()), argv.data(), why);
}

struct BadOptions {
    const char* name;
    std::vector<std::string> args;
    std::string why;
};

class PlateOptionsRefused : public testing::TestWithParam<BadOptions> {};

TEST_P(PlateOptionsRefused, WithAReasonThatNamesTheOptionAndTheValue) {
    std::string why;
    EXPECT_FALSE(Parse(GetParam().args, why).has_value());
    EXPECT_EQ(why, GetParam().why);
}

const std::string kKeysAlone = "--keys runs the program as a user would; it takes no --to or --csv";

INSTANTIATE_TEST_SUITE_P(
    Cases, PlateOptionsRefused,
    testing::Values(
        BadOptions{"UnknownOption", {"--size", "2"}, "unknown option \"--size\""},
        BadOptions{"BareWord", {"plate.png"}, "unknown option \"plate.png\""},
        BadOptions{"Language", {"--lang", "fr"}, "--lang takes nl, en or de, not \"fr\""},
        BadOptions{"LysimeterTooHigh", {"--lysimeter", "5"}, "--lysimeter takes 1, 2, 3 or 4, not \"5\""},
        BadOptions{"LysimeterNotANumber", {"--lysimeter", "3a"}, "--lysimeter takes 1, 2, 3 or 4, not \"3a\""},
        BadOptions{"Tube", {"--tube", "D"}, "--tube takes A, B, C or M, not \"D\""},
        BadOptions{"TwoTubes", {"--tube", "AB"}, "--tube takes A, B, C or M, not \"AB\""},
        BadOptions{"DayWithoutValue", {"--day"}, "--day needs a value"},
        BadOptions{"DataWithoutValue", {"--lang", "en", "--data"}, "--data needs a value"},
        BadOptions{"UnknownKey", {"--keys", "enter,jump"}, "unknown key \"jump\" in --keys"},
        BadOptions{"EmptyKey", {"--keys", "enter,,enter"}, "unknown key \"\" in --keys"},
        BadOptions{"FunctionKeyTooHigh", {"--keys", "f11"}, "unknown key \"f11\" in --keys"},
        BadOptions{"KeysWithCsv", {"--keys", "enter", "--csv"}, kKeysAlone},
        BadOptions{"KeysWithTo", {"--to", "2000", "--keys", "enter"}, kKeysAlone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlateOptions, DefaultToTheViewersFirstPlate) {
    std::string why;
    const auto o = Parse({}, why);
    ASSERT_TRUE(o) << why;
    EXPECT_EQ(o->dataDir, ".");
    EXPECT_EQ(o->language, 1);
    EXPECT_EQ(o->lysimeter, 3);
    EXPECT_EQ(o->tube, 4);
    EXPECT_FALSE(o->correction);
    EXPECT_EQ(o->firstDay, "1461");
    EXPECT_FALSE(o->lastDay || o->keys || o->csv || o->help);
    EXPECT_EQ(o->out, "plate");
}

TEST(PlateOptions, TakeEveryValueInAnyCase) {
    std::string why;
    const auto o = Parse({"--data", "d", "--lang", "DE", "--lysimeter", "1", "--tube", "c", "--cor", "--day",
                          "1967-03-01", "--to", "2000", "--csv", "--out", "x"},
                         why);
    ASSERT_TRUE(o) << why;
    EXPECT_EQ(o->dataDir, "d");
    EXPECT_EQ(o->language, 3);
    EXPECT_EQ(o->lysimeter, 1);
    EXPECT_EQ(o->tube, 3);
    EXPECT_TRUE(o->correction);
    EXPECT_EQ(o->firstDay, "1967-03-01");
    EXPECT_EQ(o->lastDay, "2000");
    EXPECT_TRUE(o->csv);
    EXPECT_EQ(o->out, "x");
}

TEST(PlateKeyList, NamesKeysAndSingleCharacters) {
    std::string why;
    const auto list = ParseKeyList("enter,Right,F1,a,close,comma,f10,PgDn", why);
    ASSERT_TRUE(list) << why;
    EXPECT_EQ(*list, (std::vector<Key>{keys::Enter, keys::Right, keys::F(1), Key::Char('a'), keys::Close,
                                       Key::Char(','), keys::F(10), keys::PageDown}));
}

// ---- The program ------------------------------------------------------------------------

struct ToolRun {
    int status;
    std::string out, err;
};

// Runs drelmiks-plate with `args` from the working directory.
ToolRun RunTool(const std::string& args) {
    const std::string command = DRELMIKS_BUILD_DIR "/drelmiks-plate " + args + " >tool-out.txt 2>tool-err.txt";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile("tool-out.txt"), ReadFile("tool-err.txt")};
}

TEST(PlateProgram, HelpListsEveryOptionOnStandardOutput) {
    ScopedWorkDir dir;
    const ToolRun run = RunTool("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, UsageText());
    for (const char* option : {"--data DIR", "--lang nl|en|de", "--lysimeter 1-4", "--tube A|B|C|M", "--cor",
                               "--day DAY", "--to DAY", "--keys LIST", "--out PREFIX", "--csv", "--help"})
        EXPECT_NE(run.out.find(std::string("\n  ") + option + " "), std::string::npos) << option;
}

TEST(PlateProgram, RefusesABadOptionWithStatus2AndItsReason) {
    ScopedWorkDir dir;
    const ToolRun run = RunTool("--tube X");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "drelmiks-plate: --tube takes A, B, C or M, not \"X\" (see --help)\n");
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists("plate.png"));
}

// ---- On the sample data set ---------------------------------------------------------------

// A copy of the sample data set in the working directory.
class PlateSample : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {UNTVOCH0::NAAMVOBAL, UNTVOCH0::NAAMVOCHT}) {
            const fs::path from = fs::path(DRELMIKS_SAMPLE_DIR) / name;
            ASSERT_TRUE(fs::exists(from)) << from << " is built with the sample data set";
            fs::copy_file(from, name);
        }
        daily_ = ReadFile(UNTVOCH0::NAAMVOBAL);
        profiles_ = ReadFile(UNTVOCH0::NAAMVOCHT);
    }
    void TearDown() override { UNTVOCH0::UNTVOCH0_DONE(); }

    std::string Daily(int64_t record) const {
        return daily_.substr(std::size_t(record) * kDailyRecordSize, kDailyRecordSize);
    }
    std::string Profile(int64_t record) const {
        return profiles_.substr(std::size_t(record) * kProfileRecordSize, kProfileRecordSize);
    }
    // The tool's arguments that read this data set and write `name` beside it.
    std::string In(const std::string& name) const {
        return "--data " + dir_.path().string() + " --out " + (dir_.path() / name).string();
    }

    ScopedWorkDir dir_;
    std::string daily_, profiles_;
};

class PlateDay : public PlateSample {};

struct DayCase {
    const char* text;
    int32_t record;
};

TEST_F(PlateDay, ResolvesRecordNumbersAndDatesOfTheData) {
    UNTVOCH0::UNTVOCH0_INIT();
    for (const DayCase& c : {DayCase{"1967-01-01", 1461}, DayCase{"1963-01-01", 0}, DayCase{"1971-12-31", 3286},
                             DayCase{"1968-02-29", 1885}, DayCase{"1461", 1461}, DayCase{"0", 0}}) {
        std::string why;
        EXPECT_EQ(ResolveDay(c.text, why), std::optional<int32_t>(c.record)) << c.text << ": " << why;
    }
}

TEST_F(PlateDay, RefusesTextsThatAreNoDayOfTheData) {
    UNTVOCH0::UNTVOCH0_INIT();
    for (const char* text : {"1962-12-31", "1972-01-01", "1967-02-29", "1967-13-01", "1967-1-1", "67-01-01",
                             "1461x", "", "tomorrow"}) {
        std::string why;
        EXPECT_FALSE(ResolveDay(text, why).has_value()) << text;
        EXPECT_NE(why.find(text), std::string::npos) << why;
    }
}

TEST_F(PlateDay, RefusesADateWhoseRecordHoldsAnotherDay) {
    std::string shifted = daily_;
    shifted.replace(1461 * kDailyRecordSize + kDayOfMonth - 1, kDayOfMonthWidth, "02");
    testing_support::WriteFile(UNTVOCH0::NAAMVOBAL, shifted);
    UNTVOCH0::UNTVOCH0_INIT();
    std::string why;
    EXPECT_FALSE(ResolveDay("1967-01-01", why).has_value());
    EXPECT_EQ(why, "record 1461 holds day \"02\", not day 1 of 1967-01-01");
    EXPECT_EQ(ResolveDay("1967-01-02", why), std::optional<int32_t>(1462)) << why;
}

// The picture of a PNG file, each pixel mapped back to its palette entry; a failure when the
// file is no 640 x 480 picture or holds a colour outside the palette.
testing::AssertionResult ReadPng(const fs::path& path, PaletteImage& picture) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return testing::AssertionFailure() << path << ": " << png.message;
    png.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(png));
    const bool read = png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr);
    if (!read) return testing::AssertionFailure() << path << ": " << png.message;
    if (png.width != PaletteImage::kWidth || png.height != PaletteImage::kHeight)
        return testing::AssertionFailure() << path << " is " << png.width << " x " << png.height;
    for (int y = 0; y < PaletteImage::kHeight; ++y)
        for (int x = 0; x < PaletteImage::kWidth; ++x) {
            const png_byte* p = &rgb[std::size_t(y * PaletteImage::kWidth + x) * 3];
            const Rgb colour{p[0], p[1], p[2]};
            const auto entry = std::find(kPalette.begin(), kPalette.end(), colour);
            if (entry == kPalette.end())
                return testing::AssertionFailure() << path << ": (" << x << ", " << y << ") is no palette colour";
            picture.set(x, y, uint8_t(entry - kPalette.begin()));
        }
    return testing::AssertionSuccess();
}

class PlateExport : public PlateSample {};

TEST_F(PlateExport, TheFirstPlateInKeyModeAndInPlateModeIsTheViewersPictureAtThatKeyWait) {
    std::vector<PaletteImage> waits;
    {
        HeadlessBackend viewer({keys::Enter});
        viewer.onKeyWait([&waits](std::size_t, const PaletteImage& image) { waits.push_back(image); });
        EXPECT_THROW(RunDrelmiks(viewer), ScriptExhausted);
    }
    ASSERT_EQ(waits.size(), 2u);  // the language screen, then the first plate with its command bar

    ASSERT_EQ(RunTool(In("keys") + " --keys enter").status, 0);
    ASSERT_EQ(RunTool(In("plate")).status, 0);

    PaletteImage language, keyPlate, plate;
    ASSERT_TRUE(ReadPng("keys-000.png", language));
    ASSERT_TRUE(ReadPng("keys-001.png", keyPlate));
    ASSERT_TRUE(ReadPng("plate.png", plate));
    EXPECT_FALSE(fs::exists("keys-002.png"));
    EXPECT_TRUE(ImagesMatch("plate-keys-000", language, waits[0]));
    EXPECT_TRUE(ImagesMatch("plate-keys-001", keyPlate, waits[1]));
    EXPECT_TRUE(ImagesMatch("plate-default", plate, waits[1]));
}

TEST_F(PlateExport, ToWritesOnePictureForEachSuccessiveWindow) {
    ASSERT_EQ(RunTool(In("w") + " --day 1967-01-01 --to 1700").status, 0);

    PlateSession session(1);
    for (int n = 0; n < 3; ++n) {
        int32_t windowStart = 0;
        int16_t days = 0;
        const PaletteImage expected = session.render(PlateView{1461 + 93 * n, 3, 4, false}, windowStart, days);
        EXPECT_EQ(windowStart, 1461 + 93 * n);
        PaletteImage exported;
        const std::string name = "w-00" + std::to_string(n);
        ASSERT_TRUE(ReadPng(name + ".png", exported));
        EXPECT_TRUE(ImagesMatch("plate-" + name, exported, expected));
    }
    EXPECT_FALSE(fs::exists("w-003.png"));
    EXPECT_FALSE(fs::exists("w.png"));
}

// ---- The days as CSV --------------------------------------------------------------------

// One line of CSV: fields split at commas outside quotes, quotes removed, doubled quotes single.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// A right-aligned integer field of the sample data; blanks read as 0.
int Number(const std::string& field) {
    const std::size_t digits = field.find_first_not_of(' ');
    return digits == std::string::npos ? 0 : std::stoi(field.substr(digits));
}

class PlateCsv : public PlateSample {};

TEST_F(PlateCsv, HoldsTheWindowsDaysWithTheRecordFieldsInMillimetresAndTheMeanProfileOnSamplingDays) {
    ASSERT_EQ(RunTool(In("p") + " --csv").status, 0);
    std::istringstream csv(ReadFile("p.csv"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(csv, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 94u);
    EXPECT_EQ(lines[0].rfind("record,month,day,weekday,precipitation_mm,drain_mm,free_water_cm,moisture_0cm,", 0), 0u);
    EXPECT_EQ(CsvFields(lines[0]).back(), "moisture_240cm");

    const int pos = LysimeterPos(3);
    int samplingDays = 0, unobservedDays = 0;
    for (int i = 0; i < 93; ++i) {
        const int64_t record = 1461 + i;
        const std::string day = Daily(record);
        auto cut = [&day](int at, int width) { return day.substr(std::size_t(at - 1), std::size_t(width)); };
        const std::vector<std::string> f = CsvFields(lines[std::size_t(i) + 1]);
        ASSERT_EQ(f.size(), 7u + kReadings) << lines[std::size_t(i) + 1];
        SCOPED_TRACE("record " + std::to_string(record));
        EXPECT_EQ(f[0], std::to_string(record));
        EXPECT_EQ(f[1], cut(kMonthLabel, kMonthLabelWidth));
        EXPECT_EQ(f[2], cut(kDayOfMonth, kDayOfMonthWidth));
        EXPECT_EQ(f[3], cut(kWeekday, kWeekdayWidth));
        EXPECT_DOUBLE_EQ(std::stod(f[4]), Number(cut(kPrecipitation, kPrecipitationWidth)) / 10.0);
        EXPECT_DOUBLE_EQ(std::stod(f[5]), Number(cut(pos + kDrainOffset, kDrainWidth)) / 100.0);
        if (day[std::size_t(pos + kLevelFlagOffset - 1)] == '9') {
            ++unobservedDays;
            EXPECT_EQ(f[6], "");
        } else {
            EXPECT_EQ(f[6], std::to_string(Number(cut(pos + kLevelOffset, kLevelWidth)) - kContainerBottomLevel));
        }
        const std::string pointer = cut(pos + kPointerOffset, kPointerWidth);
        for (int k = 0; k < kReadings; ++k) {
            const std::string& reading = f[std::size_t(7 + k)];
            if (pointer == "     ") {
                EXPECT_EQ(reading, "") << "depth " << k;
                continue;
            }
            // The mean of the lysimeter's three tubes: all readings over those above 0.
            double sum = 0;
            int counted = 0;
            for (int tube = 0; tube < TubeCount(3); ++tube) {
                const int value = Number(Profile(Number(pointer) + tube).substr(std::size_t(ReadingPos(k) - 1), kReadingWidth));
                sum += value;
                if (value > 0) ++counted;
            }
            if (counted == 0) {
                EXPECT_EQ(reading, "") << "depth " << k;
            } else {
                ASSERT_NE(reading, "") << "depth " << k;
                EXPECT_NEAR(std::stod(reading), sum / counted, 1e-6) << "depth " << k;
            }
        }
        if (pointer != "     ") ++samplingDays;
    }
    EXPECT_GE(samplingDays, 3);
    EXPECT_GE(unobservedDays, 20);
}

}  // namespace
