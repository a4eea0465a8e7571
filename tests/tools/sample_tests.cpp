#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "data_check.h"
#include "sample_data.h"
#include "tests/support/files.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/fields.h"

namespace {

using namespace fields;
using testing_support::ReadFile;
using testing_support::ScopedWorkDir;

const SampleDataSet& Sample() {
    static const SampleDataSet set = MakeSampleDataSet();
    return set;
}

std::string_view Daily(int64_t r) {
    return std::string_view(Sample().daily).substr(std::size_t(r) * kDailyRecordSize, kDailyRecordSize);
}
std::string_view Profile(int64_t r) {
    return std::string_view(Sample().profiles)
        .substr(std::size_t(r) * kProfileRecordSize, kProfileRecordSize);
}
std::string_view Cut(std::string_view record, int pos, int width) {
    return record.substr(std::size_t(pos - 1), std::size_t(width));
}

constexpr int64_t kDays = 3287;

int RunSample(const std::filesystem::path& dir) {
    const std::string command = std::string(DRELMIKS_BUILD_DIR "/drelmiks-sample ") + dir.string();
    return std::system(command.c_str());
}

TEST(SampleData, TheProgramWritesTheSameBytesOnEveryRun) {
    ScopedWorkDir dir;
    ASSERT_EQ(RunSample("one"), 0);
    ASSERT_EQ(RunSample("two"), 0);
    const std::string daily = ReadFile("one/DRELMIKS.WN1");
    const std::string profiles = ReadFile("one/DRELMIKS.WN2");
    EXPECT_EQ(daily.size(), std::size_t(kDays * kDailyRecordSize));
    EXPECT_EQ(profiles.size() % (kSamplingBlock * kProfileRecordSize), 0u);
    EXPECT_EQ(daily, ReadFile("two/DRELMIKS.WN1"));
    EXPECT_EQ(profiles, ReadFile("two/DRELMIKS.WN2"));
    EXPECT_EQ(daily, Sample().daily);
    EXPECT_EQ(profiles, Sample().profiles);
}

TEST(SampleData, ChecksClean) {
    for (const Finding& f : CheckDataSet(Sample().daily, Sample().profiles))
        ADD_FAILURE() << FormatFinding(f);
}

TEST(SampleData, TheDataModuleFindsEveryDayFrom1January1963To31December1971) {
    ScopedWorkDir dir;
    std::filesystem::copy(DRELMIKS_SAMPLE_DIR "/DRELMIKS.WN1", UNTVOCH0::NAAMVOBAL);
    std::filesystem::copy(DRELMIKS_SAMPLE_DIR "/DRELMIKS.WN2", UNTVOCH0::NAAMVOCHT);
    UNTVOCH0::UNTVOCH0_INIT();
    EXPECT_EQ(UNTVOCH0::XRECNR, kDays - 1);
    UNTVOCH0::UNTVOCH0_DONE();

    struct Day {
        int64_t record;
        std::string_view month, day, weekday;
    };
    for (const Day& d : {Day{0, "1963", "01", "DI"}, Day{1461, "1967", "01", "ZO"},
                         Day{1520, "MRT ", "01", "WO"}, Day{kDays - 1, "DEC ", "31", "VR"}}) {
        const std::string_view r = Daily(d.record);
        EXPECT_EQ(Cut(r, kMonthLabel, kMonthLabelWidth), d.month) << d.record;
        EXPECT_EQ(Cut(r, kDayOfMonth, kDayOfMonthWidth), d.day) << d.record;
        EXPECT_EQ(Cut(r, kWeekday, kWeekdayWidth), d.weekday) << d.record;
    }
}

TEST(SampleData, EveryYearHasBetween750And850MillimetresOfPrecipitationWithStarredDays) {
    std::map<std::string, int> tenths;
    std::map<char, int> codes;
    for (int64_t r = 0; r < kDays; ++r) {
        tenths[std::string(Daily(r).substr(0, 4))] +=
            std::stoi(std::string(Cut(Daily(r), kPrecipitation, 4)));
        ++codes[Daily(r)[kPrecipitationCode - 1]];
    }
    EXPECT_EQ(tenths.size(), 9u);
    for (const auto& [year, total] : tenths) {
        EXPECT_GE(total, 7500) << year;
        EXPECT_LE(total, 8500) << year;
    }
    EXPECT_GT(codes['5'] + codes['6'] + codes['7'], 50);
}

TEST(SampleData, LevelsAreReadOnWorkingDaysAndStandAtOrAboveTheContainerBottom) {
    int above = 0, readings = 0;
    for (int64_t r = 0; r < kDays; ++r) {
        const bool weekend = Cut(Daily(r), kWeekday, 2) == "ZA" || Cut(Daily(r), kWeekday, 2) == "ZO";
        for (int l = 1; l <= 4; ++l) {
            const int pos = LysimeterPos(l);
            ASSERT_EQ(Daily(r)[std::size_t(pos + kLevelFlagOffset - 1)] == '9', weekend) << r;
            if (weekend) continue;
            const int level = std::stoi(std::string(Cut(Daily(r), pos + kLevelOffset, kLevelWidth)));
            EXPECT_GE(level, kContainerBottomLevel) << r;
            ++readings;
            if (level > 150) ++above;  // free water above the gutter
        }
    }
    EXPECT_GT(above, 100);
    EXPECT_LT(above, readings / 2);
}

TEST(SampleData, ProfilesAreTakenTwiceAMonthAndEveryDefaultPlateShowsSeveral) {
    int samplings = 0;
    for (int64_t r = 0; r < kDays; ++r)
        if (Cut(Daily(r), LysimeterPos(3) + kPointerOffset, kPointerWidth) != "     ") ++samplings;
    EXPECT_EQ(samplings, 9 * 24);
    int inWindow = 0;
    for (int64_t r = 1461; r < 1461 + 93; ++r)
        if (Cut(Daily(r), LysimeterPos(3) + kPointerOffset, kPointerWidth) != "     ") ++inWindow;
    EXPECT_GE(inWindow, 5);
}

TEST(SampleData, TubeCOfLysimetersTwoAndThreeIsBlankBeforeJuly1966) {
    for (int64_t r = 0; r < kDays; ++r) {
        const std::string_view pointer = Cut(Daily(r), LysimeterPos(2) + kPointerOffset, kPointerWidth);
        if (pointer == "     ") continue;
        const std::string_view tubeC = Profile(std::stoi(std::string(pointer)) + 2);
        const bool installed = Daily(r).substr(0, 7) >= "1966182";  // 1 July 1966
        EXPECT_EQ(tubeC.find_first_not_of(' ', 16) != std::string_view::npos, installed) << r;
    }
}

TEST(SampleData, ReadingsLieBetween100And450PerMille) {
    int low = 0, count = 0;
    for (std::size_t p = 0; p < Sample().profiles.size() / kProfileRecordSize; ++p) {
        for (int k = 0; k < kReadings; ++k) {
            const std::string field(Cut(Profile(int64_t(p)), ReadingPos(k), kReadingWidth));
            if (field == "    ") continue;
            const int reading = std::stoi(field);
            EXPECT_GE(reading, 100);
            EXPECT_LE(reading, 450);
            low += reading < 150;
            ++count;
        }
    }
    EXPECT_LT(low, count / 20);
}

}  // namespace
