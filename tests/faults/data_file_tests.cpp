// Data files that change under the running viewer, and data files that cannot be opened: the
// run goes on or ends with the run-time error the data module defines, never with a crash, and
// no run writes to a data file.
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "child_process.h"
#include "platform/headless.h"
#include "platform/keys.h"
#include "platform/runerror.h"
#include "sample_copy.h"
#include "tests/support/files.h"
#include "tests/support/image_compare.h"
#include "tests/viewer/viewer_fixture.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/fields.h"
#include "viewer/program.h"

namespace fault_tests {
namespace {

namespace fs = std::filesystem;
using namespace keys;
using testing_support::ReadFile;
using viewer_tests::kBlue;
using viewer_tests::kYellow;

struct ProgramRun {
    int status = -1;
    std::vector<PaletteImage> waits;  // the picture at every key wait
    std::vector<std::string> errorBoxes;
    std::size_t keysLeft = 0;
    bool windowOpen = false;
};

// The whole program on `keys`; `atWait` runs at each key wait, before its key is delivered.
ProgramRun RunProgram(const std::vector<Key>& keys, const std::function<void(std::size_t)>& atWait = {}) {
    HeadlessBackend backend(keys);
    ProgramRun run;
    backend.onKeyWait([&](std::size_t index, const PaletteImage& image) {
        run.waits.push_back(image);
        if (atWait) atWait(index);
    });
    testing::internal::CaptureStderr();
    run.status = RunDrelmiks(backend);
    testing::internal::GetCapturedStderr();
    run.errorBoxes = backend.errorBoxes();
    run.keysLeft = backend.keysLeft();
    run.windowOpen = backend.isOpen();
    return run;
}

bool StartsWith(const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; }

// The language, then "+1d" (five steps left from the exit cell), then back to the exit cell.
// Wait 1 shows the first plate (record 1461); wait 7 the second (record 1462).
const std::vector<Key> kNextDayThenExit = {Enter, Left, Left, Left, Left, Left, Enter,
                                           Right, Right, Right, Right, Right, Enter};
constexpr std::size_t kFirstPlate = 1, kSecondPlate = 7;

// ---- Truncated in place while the first plate is shown ----------------------------------

struct CutCase {
    const char* name;
    const char* file;
    std::size_t keepBytes;
};

// The second plate reads records 1462 to 1554 of DRELMIKS.WN1 and the profiles of lysimeter 3
// in that window, which lie far beyond the first ten records of DRELMIKS.WN2.
const CutCase kCutsBeforeTheReads[] = {
    {"DailyFileBeforeTheNextWindow", UNTVOCH0::NAAMVOBAL, 1000 * fields::kDailyRecordSize},
    {"DailyFileEmptied", UNTVOCH0::NAAMVOBAL, 0},
    {"ProfileFileToItsFirstSampling", UNTVOCH0::NAAMVOCHT, 10 * fields::kProfileRecordSize},
    {"ProfileFileEmptied", UNTVOCH0::NAAMVOCHT, 0},
};

class DataFileCutFault : public testing::TestWithParam<CutCase> {};

TEST_P(DataFileCutFault, TheNextPlateEndsTheRunWithError100ReadPastTheEnd) {
    const CutCase& c = GetParam();
    SampleCopy data;
    const std::string kept = data.sample(c.file).substr(0, c.keepBytes);

    const ProgramRun run = RunProgram(kNextDayThenExit, [&](std::size_t index) {
        if (index == kFirstPlate) fs::resize_file(c.file, c.keepBytes);
    });
    data.Expect(c.file, kept);

    EXPECT_EQ(run.status, kErrorReadPastEnd);
    ASSERT_EQ(run.errorBoxes.size(), 1u);
    EXPECT_TRUE(StartsWith(run.errorBoxes[0], "Runtime error 100 at $")) << run.errorBoxes[0];
    EXPECT_EQ(run.waits.size(), kSecondPlate) << "the second plate never reached its command bar";
    EXPECT_EQ(run.keysLeft, 6u);
    EXPECT_FALSE(run.windowOpen);
    EXPECT_TRUE(data.Untouched());
}

INSTANTIATE_TEST_SUITE_P(Cuts, DataFileCutFault, testing::ValuesIn(kCutsBeforeTheReads),
                         [](const auto& info) { return std::string(info.param.name); });

struct CutInsideCase {
    const char* name;
    std::size_t keepBytes;
    int days;  // whole records left from 1462 on: the days the second plate shows
};

const CutInsideCase kCutsInsideTheWindow[] = {
    {"AfterADayOfTheWindow", 1500 * fields::kDailyRecordSize, 38},
    {"InsideADayOfTheWindow", 1482 * fields::kDailyRecordSize + 40, 20},
};

class DailyFileCutInsideTheWindowFault : public testing::TestWithParam<CutInsideCase> {};

// The plate reads until it has 93 days or the file is at its end; a file that shrank under the
// viewer thus ends the window early, with the end-of-data mark, and the run goes on.
TEST_P(DailyFileCutInsideTheWindowFault, TheNextPlateStopsAtTheNewEndWithItsMarkAndTheRunGoesOn) {
    const CutInsideCase& c = GetParam();
    SampleCopy data;
    const ProgramRun whole = RunProgram(kNextDayThenExit);

    const ProgramRun run = RunProgram(kNextDayThenExit, [&](std::size_t index) {
        if (index == kFirstPlate) fs::resize_file(UNTVOCH0::NAAMVOBAL, c.keepBytes);
    });
    data.Expect(UNTVOCH0::NAAMVOBAL, data.sample(UNTVOCH0::NAAMVOBAL).substr(0, c.keepBytes));

    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.errorBoxes.empty());
    EXPECT_EQ(run.keysLeft, 0u);
    ASSERT_EQ(run.waits.size(), kNextDayThenExit.size());
    const PaletteImage& plate = run.waits[kSecondPlate];
    const int afterLast = viewer_tests::DayX(c.days);  // XX + 6 of the last day drawn
    EXPECT_EQ(viewer_tests::TextMismatch(plate, afterLast + 2, 31, "eof", kYellow, kBlue), "");
    EXPECT_EQ(viewer_tests::DottedMismatch(plate, afterLast, 32, afterLast, 95, kYellow, kBlue), "");
    // No precipitation bar right of the mark, where the whole file has some.
    const int right = viewer_tests::DayX(93) - 1;
    EXPECT_EQ(viewer_tests::CountPixels(plate, afterLast + 1, 47, right, 94, kYellow), 0);
    EXPECT_GT(viewer_tests::CountPixels(whole.waits[kSecondPlate], afterLast + 1, 47, right, 94, kYellow), 0);
    EXPECT_TRUE(data.Untouched());
}

INSTANTIATE_TEST_SUITE_P(Cuts, DailyFileCutInsideTheWindowFault, testing::ValuesIn(kCutsInsideTheWindow),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Replaced while the first plate is shown -------------------------------------------

// The same files with other contents: 40 mm of precipitation every day, or a moisture of 300
// per mille at every depth of every tube. Sizes stay the same.
std::string OtherContents(const std::string& file, std::string bytes) {
    const bool daily = file == UNTVOCH0::NAAMVOBAL;
    const std::size_t size = daily ? fields::kDailyRecordSize : fields::kProfileRecordSize;
    for (std::size_t r = 0; r + size <= bytes.size(); r += size) {
        if (daily) {
            bytes.replace(r + fields::kPrecipitation - 1, fields::kPrecipitationWidth, " 400");
        } else {
            for (int k = 0; k < fields::kReadings; ++k)
                bytes.replace(r + std::size_t(fields::ReadingPos(k)) - 1, fields::kReadingWidth, " 300");
        }
    }
    return bytes;
}

enum class Replacement {
    InPlace,     // the same file rewritten: its new bytes are what the viewer reads next
    RenamedOver  // a new file renamed to the name: the viewer keeps reading the file it opened
};

struct ReplaceCase {
    const char* name;
    const char* file;
    Replacement how;
};

const ReplaceCase kReplacements[] = {
    {"DailyFileRewrittenInPlace", UNTVOCH0::NAAMVOBAL, Replacement::InPlace},
    {"DailyFileRenamedOver", UNTVOCH0::NAAMVOBAL, Replacement::RenamedOver},
    {"ProfileFileRewrittenInPlace", UNTVOCH0::NAAMVOCHT, Replacement::InPlace},
    {"ProfileFileRenamedOver", UNTVOCH0::NAAMVOCHT, Replacement::RenamedOver},
};

class DataFileReplaceFault : public testing::TestWithParam<ReplaceCase> {};

TEST_P(DataFileReplaceFault, TheNextPlateShowsTheContentsOfTheOpenFileAndTheRunEndsNormally) {
    const ReplaceCase& c = GetParam();
    SampleCopy data;
    const std::string oldBytes = data.sample(c.file);
    const std::string newBytes = OtherContents(c.file, oldBytes);

    // The second plate on the old contents and on the new ones, each from the start.
    const ProgramRun onOld = RunProgram(kNextDayThenExit);
    data.Rewrite(c.file, newBytes);
    const ProgramRun onNew = RunProgram(kNextDayThenExit);
    data.Rewrite(c.file, oldBytes);
    ASSERT_EQ(onOld.waits.size(), kNextDayThenExit.size());
    ASSERT_EQ(onNew.waits.size(), kNextDayThenExit.size());
    ASSERT_NE(onOld.waits[kSecondPlate], onNew.waits[kSecondPlate]) << "the new contents must show";

    const std::string kept = "kept-" + std::string(c.file);
    const ProgramRun run = RunProgram(kNextDayThenExit, [&](std::size_t index) {
        if (index != kFirstPlate) return;
        if (c.how == Replacement::InPlace) {
            data.Rewrite(c.file, newBytes);
        } else {
            fs::create_hard_link(c.file, kept);  // a name for the file the viewer holds open
            testing_support::WriteFile("replacement", newBytes);
            fs::rename("replacement", c.file);
            data.Expect(c.file, newBytes);
        }
    });

    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.errorBoxes.empty());
    EXPECT_EQ(run.keysLeft, 0u);
    ASSERT_EQ(run.waits.size(), kNextDayThenExit.size());
    EXPECT_TRUE(testing_support::ImagesMatch(std::string("replaced-first-") + c.name, run.waits[kFirstPlate],
                                             onOld.waits[kFirstPlate]));
    const ProgramRun& expected = c.how == Replacement::InPlace ? onNew : onOld;
    EXPECT_TRUE(testing_support::ImagesMatch(std::string("replaced-second-") + c.name,
                                             run.waits[kSecondPlate], expected.waits[kSecondPlate]));
    EXPECT_TRUE(data.Untouched());
    if (c.how == Replacement::RenamedOver) {
        EXPECT_EQ(ReadFile(kept), oldBytes) << "the file the viewer held open";
    }
}

INSTANTIATE_TEST_SUITE_P(Replacements, DataFileReplaceFault, testing::ValuesIn(kReplacements),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Cannot be opened at start-up -----------------------------------------------------------

const char* const kDataFiles[] = {UNTVOCH0::NAAMVOBAL, UNTVOCH0::NAAMVOCHT};

std::string FileSuffix(const testing::TestParamInfo<const char*>& info) {
    return std::string(info.param).substr(9);  // WN1, WN2
}

class DataFileOpenFault : public testing::TestWithParam<const char*> {};

TEST_P(DataFileOpenFault, ADirectoryInItsPlaceEndsTheRunWithError21BeforeAnyWindow) {
    SampleCopy data;
    fs::remove(GetParam());
    fs::create_directory(GetParam());
    data.Forget(GetParam());

    const ProgramRun run = RunProgram({Enter, Enter});

    EXPECT_EQ(run.status, 21);
    ASSERT_EQ(run.errorBoxes.size(), 1u);
    EXPECT_TRUE(StartsWith(run.errorBoxes[0], "Runtime error 21 at $")) << run.errorBoxes[0];
    EXPECT_TRUE(run.waits.empty());
    EXPECT_EQ(run.keysLeft, 2u);
    EXPECT_TRUE(data.Untouched());
}

// The superuser is never denied access, so as the superuser the child runs as user nobody.
bool BecomeUnprivileged(std::string& why) {
    if (geteuid() != 0) return true;
    const passwd* nobody = getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nobody ? nobody->pw_gid : 65534;
    if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) {
        why = "cannot become user nobody";
        return false;
    }
    return true;
}

TEST_P(DataFileOpenFault, AnUnreadableFileEndsTheRunWithError5BeforeAnyWindow) {
    SampleCopy data;
    using fs::perms;
    const perms readable = perms::owner_read | perms::owner_write | perms::group_read | perms::others_read;
    fs::permissions(data.path(), perms::owner_all | perms::group_read | perms::group_exec |
                                     perms::others_read | perms::others_exec);
    for (const char* name : kDataFiles) fs::permissions(name, name == GetParam() ? perms::none : readable);

    const ChildEnd end = RunInChild(ChildOutput::Captured, [] {
        std::string why;
        if (!BecomeUnprivileged(why)) {
            std::fprintf(stderr, "%s\n", why.c_str());
            return kChildUncaught;
        }
        HeadlessBackend backend({Enter, Enter});
        const int status = RunDrelmiks(backend);
        if (backend.wasOpened()) std::fprintf(stderr, "the window was opened\n");
        return status;
    });
    fs::permissions(GetParam(), readable);

    EXPECT_TRUE(end.exited && end.status == 5) << Describe(end);
    EXPECT_TRUE(StartsWith(end.err, "Runtime error 5 at $")) << end.err;
    EXPECT_EQ(end.err.find("the window was opened"), std::string::npos);
    EXPECT_TRUE(data.Untouched());
}

INSTANTIATE_TEST_SUITE_P(EachFile, DataFileOpenFault, testing::ValuesIn(kDataFiles), FileSuffix);

}  // namespace
}  // namespace fault_tests
