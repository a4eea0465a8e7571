#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "data_check.h"
#include "sample_data.h"
#include "tests/support/files.h"
#include "viewer/fields.h"

namespace {

using namespace fields;
using testing_support::ReadFile;
using testing_support::ScopedWorkDir;
using testing_support::WriteFile;

// The sample's first 100 days with the whole profile file: a clean set to spoil.
SampleDataSet CleanSet() {
    static const SampleDataSet sample = MakeSampleDataSet();
    return {sample.daily.substr(0, 100 * kDailyRecordSize), sample.profiles};
}

void PutDaily(SampleDataSet& set, int record, int pos, const std::string& text) {
    set.daily.replace(std::size_t(record * kDailyRecordSize + pos - 1), text.size(), text);
}
void PutProfile(SampleDataSet& set, int record, int pos, const std::string& text) {
    set.profiles.replace(std::size_t(record * kProfileRecordSize + pos - 1), text.size(), text);
}

std::vector<std::string> Lines(const SampleDataSet& set) {
    std::vector<std::string> lines;
    for (const Finding& f : CheckDataSet(set.daily, set.profiles)) lines.push_back(FormatFinding(f));
    return lines;
}

TEST(DataCheck, FindsNothingInACleanSet) { EXPECT_EQ(Lines(CleanSet()), std::vector<std::string>{}); }

// Record 0 is Tuesday 1 January 1963 and has its levels read; record 5 is a Sunday without
// level readings. Record 6, the first sampling day, points lysimeters 1 to 4 at profile
// records 0, 2, 5 and 8.
struct FaultCase {
    const char* name;
    std::function<void(SampleDataSet&)> spoil;
    std::vector<std::string> lines;
};

class DataCheckFault : public testing::TestWithParam<FaultCase> {};

TEST_P(DataCheckFault, IsReportedWithFileRecordFieldAndPositions) {
    SampleDataSet set = CleanSet();
    GetParam().spoil(set);
    EXPECT_EQ(Lines(set), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DataCheckFault,
    testing::Values(
        FaultCase{"PrecipitationWithTrailingBlanks",
                  [](auto& s) { PutDaily(s, 3, 17, "12  "); },
                  {"DRELMIKS.WN1 record 3, precipitation (17-20): \"12  \" does not parse and reads as 0"}},
        FaultCase{"BlankPrecipitation",
                  [](auto& s) { PutDaily(s, 4, 17, "    "); },
                  {"DRELMIKS.WN1 record 4, precipitation (17-20): \"    \" is blank and reads as 0"}},
        FaultCase{"NegativePrecipitation",
                  [](auto& s) { PutDaily(s, 4, 17, "-012"); },
                  {"DRELMIKS.WN1 record 4, precipitation (17-20): \"-012\" is negative: no bar is drawn"}},
        FaultCase{"DrainWithTrailingBlank",
                  [](auto& s) { PutDaily(s, 10, 27, "1.5 "); },
                  {"DRELMIKS.WN1 record 10, drain L2 (27-30): \"1.5 \" does not parse and reads as 0"}},
        FaultCase{"ControlCharacterInDrain",
                  [](auto& s) { PutDaily(s, 10, 37, std::string("1\x01") + "23"); },
                  {"DRELMIKS.WN1 record 10, drain L4 (37-40): \"1\\x0123\" does not parse and reads as 0"}},
        FaultCase{
            "BlankLevelOnAnObservedDay",
            [](auto& s) { PutDaily(s, 0, 52, "    "); },
            {"DRELMIKS.WN1 record 0, level L3 (52-55): \"    \" is blank on a day whose flag says observed: "
             "reads as -125 cm of free water"}},
        FaultCase{"BadLevelOnADayWithoutObservation", [](auto& s) { PutDaily(s, 5, 42, "x1 "); }, {}},
        FaultCase{
            "PointerThatDoesNotParse",
            [](auto& s) { PutDaily(s, 6, 67, "2    "); },
            {"DRELMIKS.WN1 record 6, profile pointer L2 (67-71): \"2    \" does not parse: the profile of "
             "record 0 is drawn"}},
        FaultCase{
            "NegativePointer",
            [](auto& s) { PutDaily(s, 6, 62, "   -5"); },
            {"DRELMIKS.WN1 record 6, profile pointer L1 (62-66): \"   -5\" is negative: reading the profile "
             "ends the run"}},
        FaultCase{
            "PointerPastTheProfileFile",
            [](auto& s) { PutDaily(s, 6, 77, " 2159"); },
            {"DRELMIKS.WN1 record 6, profile pointer L4 (77-81): \" 2159\" needs records 2159 to 2160 of "
             "DRELMIKS.WN2, which has 2160: reading the profile ends the run"}},
        FaultCase{"PointerIntoTheNextBlock",
                  [](auto& s) { PutDaily(s, 6, 67, "    8"); },
                  {"DRELMIKS.WN1 record 6, profile pointer L2 (67-71): \"    8\": records 8 to 10 run into "
                   "the next "
                   "block of ten"}},
        FaultCase{
            "PointerOnADayWithoutSampling",
            [](auto& s) { PutDaily(s, 7, 72, "    x"); },
            {"DRELMIKS.WN1 record 7, profile pointer L3 (72-76): \"    x\" does not parse: the profile of "
             "record 0 is drawn"}},
        FaultCase{"ReadingWithABlankAfterItsDigits",
                  [](auto& s) { PutProfile(s, 2, 32, " 85 "); },
                  {"DRELMIKS.WN2 record 2, reading 3 at 40 cm (32-35): \" 85 \" does not parse and counts as "
                   "missing "
                   "(profile of DRELMIKS.WN1 record 6)"}},
        FaultCase{
            "NegativeReading",
            [](auto& s) { PutProfile(s, 9, 87, "-012"); },
            {"DRELMIKS.WN2 record 9, reading 14 at 240 cm (87-90): \"-012\" is negative: not drawn, but it "
             "lowers the mean (profile of DRELMIKS.WN1 record 6)"}},
        FaultCase{"BlankReadingIsMissingNotAFault", [](auto& s) { PutProfile(s, 3, 17, "    "); }, {}},
        FaultCase{"BadReadingNoPointerReaches", [](auto& s) { PutProfile(s, 2000, 17, "x   "); }, {}},
        FaultCase{"DayOfMonthOutOfSequence",
                  [](auto& s) { PutDaily(s, 30, 12, "05"); },
                  {"DRELMIKS.WN1 record 30, day of month (12-13): \"05\" does not follow day 30 of the "
                   "record before",
                   "DRELMIKS.WN1 record 31, day of month (12-13): \"01\" does not follow day 5 of the record "
                   "before"}},
        FaultCase{
            "NoDayOfMonth",
            [](auto& s) { PutDaily(s, 30, 12, "3 "); },
            {"DRELMIKS.WN1 record 30, day of month (12-13): \"3 \" is not a day of the month from 01 to 31"}},
        FaultCase{
            "WeekdayOutOfSequence",
            [](auto& s) { PutDaily(s, 6, 15, "ZO"); },
            {"DRELMIKS.WN1 record 6, day of week (15-16): \"ZO\" does not follow ZO of the record before",
             "DRELMIKS.WN1 record 7, day of week (15-16): \"DI\" does not follow ZO of the record before"}},
        FaultCase{"NoWeekdayCode",
                  [](auto& s) { PutDaily(s, 6, 15, "mo"); },
                  {"DRELMIKS.WN1 record 6, day of week (15-16): \"mo\" is not a day-of-week code (MA DI WO "
                   "DO VR ZA ZO)"}},
        FaultCase{
            "MissingDay",
            [](auto& s) { s.daily.erase(40 * kDailyRecordSize, kDailyRecordSize); },
            {"DRELMIKS.WN1 record 40, day of month (12-13): \"11\" does not follow day 9 of the record "
             "before",
             "DRELMIKS.WN1 record 40, day of week (15-16): \"MA\" does not follow ZA of the record before"}},
        FaultCase{"TrailingPartialDailyRecord",
                  [](auto& s) { s.daily += std::string(40, ' '); },
                  {"DRELMIKS.WN1 record 100, partial record (1-40): 40 bytes after the last whole record, "
                   "never read"}},
        FaultCase{
            "TrailingPartialProfileRecord",
            [](auto& s) { s.profiles += "x"; },
            {"DRELMIKS.WN2 record 2160, partial record (1): 1 byte after the last whole record, never read"}},
        FaultCase{"FewerDaysThanAPlate",
                  [](auto& s) { s.daily.resize(92 * kDailyRecordSize); },
                  {"DRELMIKS.WN1: 92 whole records, fewer than the 93 days of a plate"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The checker program on a directory: its exit status and what it wrote to standard output.
struct CheckRun {
    int status;
    std::string out;
};

CheckRun RunCheck(const std::string& dir) {
    const std::string command =
        std::string(DRELMIKS_BUILD_DIR "/drelmiks-check ") + dir + " >out.txt 2>err.txt";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile("out.txt")};
}

void WriteSet(const SampleDataSet& set) {
    WriteFile("DRELMIKS.WN1", set.daily);
    WriteFile("DRELMIKS.WN2", set.profiles);
}

TEST(DataCheckProgram, ExitsWith0AndSaysNothingOnACleanSet) {
    ScopedWorkDir dir;
    WriteSet(CleanSet());
    EXPECT_EQ(RunCheck(".").status, 0);
    EXPECT_EQ(ReadFile("out.txt"), "");
}

TEST(DataCheckProgram, ExitsWith1AndPrintsOneLinePerFinding) {
    ScopedWorkDir dir;
    SampleDataSet set = CleanSet();
    PutDaily(set, 3, 17, "12  ");
    PutProfile(set, 2, 32, "   x");
    WriteSet(set);
    const CheckRun run = RunCheck(".");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(
        run.out,
        "DRELMIKS.WN1 record 3, precipitation (17-20): \"12  \" does not parse and reads as 0\n"
        "DRELMIKS.WN2 record 2, reading 3 at 40 cm (32-35): \"   x\" does not parse and counts as missing "
        "(profile of DRELMIKS.WN1 record 6)\n");
}

TEST(DataCheckProgram, ExitsWith2WhenAFileIsMissingAndLeavesTheFilesAsTheyWere) {
    ScopedWorkDir dir;
    const SampleDataSet set = CleanSet();
    WriteFile("DRELMIKS.WN1", set.daily);
    EXPECT_EQ(RunCheck(".").status, 2);
    EXPECT_NE(ReadFile("err.txt").find("DRELMIKS.WN2"), std::string::npos);
    EXPECT_EQ(ReadFile("DRELMIKS.WN1"), set.daily);
}

TEST(DataCheckProgram, ChecksTheSampleDataSetInTheBuildClean) {
    ScopedWorkDir dir;
    EXPECT_EQ(RunCheck(DRELMIKS_SAMPLE_DIR).status, 0);
}

}  // namespace
