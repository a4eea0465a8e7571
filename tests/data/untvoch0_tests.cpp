#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <string>

#include "error_code.h"
#include "tests/support/files.h"
#include "viewer/UNTVOCH0.h"

namespace {

using namespace UNTVOCH0;
using testing_support::ScopedWorkDir;
using testing_support::WriteFile;

// `count` daily records, each filled with one letter after its number, and a tail of `extra`
// bytes that make no whole record.
std::string DailyFile(int count, int extra = 0) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += std::string(81, char('A' + i % 26));
    return bytes + std::string(std::size_t(extra), '#');
}

std::string ProfileFile(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += std::string(91, char('a' + i % 26));
    return bytes;
}

// The working directory with both files, the module reset before and after.
class DataModule : public testing::Test {
protected:
    void SetUp() override { UNTVOCH0_DONE(); }
    void TearDown() override { UNTVOCH0_DONE(); }
    void start(int days, int profiles = 10, int extra = 0) {
        WriteFile(NAAMVOBAL, DailyFile(days, extra));
        WriteFile(NAAMVOCHT, ProfileFile(profiles));
        UNTVOCH0_INIT();
    }
    ScopedWorkDir dir_;
};

TEST_F(DataModule, StartUpOpensBothFilesAndFixesTheTextCopyLengths) {
    start(100);
    EXPECT_TRUE(F.isOpen());
    EXPECT_TRUE(FV.isOpen());
    EXPECT_EQ(F.recordSize(), 81);
    EXPECT_EQ(FV.recordSize(), 91);
    EXPECT_EQ(SREC.length(), 81u);
    EXPECT_EQ(SRECV.length(), 91u);
}

struct CountCase {
    int records;
    int extra;
    int32_t xrecnr;
};

class RecordCount : public DataModule, public testing::WithParamInterface<CountCase> {};

TEST_P(RecordCount, XrecnrIsTheNumberOfTheLastWholeRecord) {
    start(GetParam().records, 10, GetParam().extra);
    EXPECT_EQ(XRECNR, GetParam().xrecnr);
}

INSTANTIATE_TEST_SUITE_P(Sizes, RecordCount,
                         testing::Values(CountCase{3287, 0, 3286}, CountCase{3287, 80, 3286},
                                         CountCase{93, 1, 92}, CountCase{1, 0, 0}, CountCase{0, 0, -1},
                                         CountCase{0, 40, -1}));

TEST_F(DataModule, WithoutTheDailyFileStartUpEndsWithError2BeforeTheProfileFileIsTried) {
    // Were the profile file tried, this directory in its place would fail with another number.
    std::filesystem::create_directory(NAAMVOCHT);
    EXPECT_EQ(RunErrorCode(UNTVOCH0_INIT), 2);
    EXPECT_FALSE(F.isOpen());
    EXPECT_FALSE(FV.isOpen());
}

TEST_F(DataModule, WithoutTheProfileFileStartUpEndsWithError2AfterOpeningTheDailyFile) {
    WriteFile(NAAMVOBAL, DailyFile(100));
    EXPECT_EQ(RunErrorCode(UNTVOCH0_INIT), 2);
    EXPECT_TRUE(F.isOpen());
    EXPECT_FALSE(FV.isOpen());
}

TEST_F(DataModule, ReadingARecordCopiesItIntoTheTextCopyAndMovesOn) {
    start(100, 3);
    F.seek(2);
    ReadDailyRecord();
    EXPECT_EQ(SREC.view(), std::string(81, 'C'));
    EXPECT_EQ(std::string(REC.DATA.begin(), REC.DATA.end()), std::string(81, 'C'));
    ReadDailyRecord();
    EXPECT_EQ(SREC[1], 'D');
    FV.seek(1);
    ReadProfileRecord();
    EXPECT_EQ(SRECV.view(), std::string(91, 'b'));
    EXPECT_EQ(RunErrorCode(ReadProfileRecord), 0);
    EXPECT_EQ(RunErrorCode(ReadProfileRecord), 100);
}

TEST_F(DataModule, DoneClosesBothFilesAndResetsTheCursor) {
    start(100);
    RECNR = 7;
    LYSIM = 3;
    UNTVOCH0_DONE();
    EXPECT_FALSE(F.isOpen());
    EXPECT_FALSE(FV.isOpen());
    EXPECT_EQ(XRECNR, 0);
    EXPECT_EQ(RECNR, 0);
    EXPECT_EQ(LYSIM, 0);
}

// The window start for the request, with the number of signals it sounded.
struct Window {
    int32_t start;
    int signals;
};

Window StartOfWindow() {
    testing::internal::CaptureStdout();
    const int32_t start = WindowStart();
    const std::string out = testing::internal::GetCapturedStdout();
    return {start, int(std::count(out.begin(), out.end(), '\a'))};
}

struct WindowCase {
    int32_t xrecnr;
    int32_t recnr;
    int32_t start;
    int32_t recnrAfter;
    int signals;
};

class WindowStartRule : public testing::TestWithParam<WindowCase> {
protected:
    void TearDown() override { UNTVOCH0_DONE(); }
};

TEST_P(WindowStartRule, LimitsTheRequestAndSignalsOnlyWhenItHadTo) {
    const WindowCase& c = GetParam();
    XRECNR = c.xrecnr;
    RECNR = c.recnr;
    const Window w = StartOfWindow();
    EXPECT_EQ(w.start, c.start);
    EXPECT_EQ(RECNR, c.recnrAfter);
    EXPECT_EQ(w.signals, c.signals);
}

INSTANTIATE_TEST_SUITE_P(Requests, WindowStartRule, testing::Values(
    WindowCase{3286, 1461, 1461, 1461, 0},
    WindowCase{3286, 0, 0, 0, 0},
    WindowCase{3286, -1, 0, 0, 1},
    WindowCase{3286, -265, 0, 0, 1},
    WindowCase{3286, INT32_MIN, 0, 0, 1},
    WindowCase{3286, 3194, 3194, 3194, 0},  // the last 93 records
    WindowCase{3286, 3195, 3194, 3195, 1},  // the request is kept, only the window is held
    WindowCase{3286, 3286, 3194, 3286, 1},
    WindowCase{3286, INT32_MAX, 3194, INT32_MAX, 1},
    WindowCase{92, 0, 0, 0, 0},             // exactly one window
    WindowCase{92, 1, 0, 1, 1},
    WindowCase{9, 0, 0, 0, 0},              // fewer than 93 records start at 0
    WindowCase{9, 5, 0, 5, 1},
    WindowCase{9, -3, 0, 0, 1},
    WindowCase{-1, 0, 0, 0, 0},             // an empty file
    WindowCase{-1, 1, 0, 1, 1}));

TEST(WindowStartSequence, ElevenMonthStepsBackKeepTheLastWindowAndTheTwelfthMovesIt) {
    XRECNR = 3286;
    RECNR = XRECNR - 100;
    RECNR += 365;  // "+1j"
    Window w = StartOfWindow();
    EXPECT_EQ(w.start, XRECNR - 92);
    EXPECT_EQ(w.signals, 1);
    for (int step = 1; step <= 11; ++step) {
        RECNR -= 30;  // "-1m"
        w = StartOfWindow();
        EXPECT_EQ(w.start, XRECNR - 92) << "step " << step;
        EXPECT_EQ(w.signals, 1) << "step " << step;
    }
    RECNR -= 30;
    EXPECT_EQ(RECNR, XRECNR - 95);
    w = StartOfWindow();
    EXPECT_EQ(w.start, XRECNR - 95);
    EXPECT_EQ(w.signals, 0);
    UNTVOCH0_DONE();
}

TEST(WindowStartSequence, AYearBackFromDay100StartsAtZeroAndADayForwardMovesAtOnce) {
    XRECNR = 3286;
    RECNR = 100 - 365;
    Window w = StartOfWindow();
    EXPECT_EQ(w.start, 0);
    EXPECT_EQ(RECNR, 0);
    EXPECT_EQ(w.signals, 1);
    RECNR += 1;
    w = StartOfWindow();
    EXPECT_EQ(w.start, 1);
    EXPECT_EQ(w.signals, 0);
    UNTVOCH0_DONE();
}

TEST_F(DataModule, ASmallDailyFileShowsTheRecordsItHasFromRecordZero) {
    start(10);
    RECNR = 1461;
    const Window w = StartOfWindow();
    EXPECT_EQ(w.start, 0);
    F.seek(w.start);
    int read = 0;
    while (read < 93 && !F.eof()) {
        ReadDailyRecord();
        ++read;
    }
    EXPECT_EQ(read, 10);
}

TEST_F(DataModule, AnEmptyDailyFileShowsNoDay) {
    start(0);
    RECNR = 1461;
    const Window w = StartOfWindow();
    EXPECT_EQ(w.start, 0);
    F.seek(w.start);
    EXPECT_TRUE(F.eof());
}

}  // namespace
