// The whole run on the headless backend: start, language, viewer, end; and the end of a run
// whose data files are missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "language_screen.h"
#include "platform/headless.h"
#include "tests/support/files.h"
#include "tests/support/image_compare.h"
#include "viewer/DRELMIKS.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/UNTVOCH1.h"
#include "viewer/program.h"

namespace shell_tests {
namespace {

namespace fs = std::filesystem;
using namespace keys;
using testing_support::ImagesMatch;
using testing_support::ScopedWorkDir;
using testing_support::WriteFile;

void CopySample(const char* name) {
    const fs::path from = fs::path(DRELMIKS_SAMPLE_DIR) / name;
    ASSERT_TRUE(fs::exists(from)) << from << " is built with the sample data set";
    fs::copy_file(from, name);
}

struct LanguageRun {
    std::vector<Key> languageKeys;
    int16_t language;
    std::string exitLabel;  // cell 11 of the command labels
};

class WholeRun : public testing::TestWithParam<LanguageRun> {};

TEST_P(WholeRun, ChoosesTheLanguageRunsTheViewerAndEndsWithStatusZero) {
    const LanguageRun& c = GetParam();
    ScopedWorkDir dir;
    ASSERT_NO_FATAL_FAILURE(CopySample(UNTVOCH0::NAAMVOBAL));
    ASSERT_NO_FATAL_FAILURE(CopySample(UNTVOCH0::NAAMVOCHT));

    // The language keys, a confirmation, then a confirmation of the command bar, which opens
    // on its exit cell.
    std::vector<Key> script = c.languageKeys;
    script.push_back(Enter);
    script.push_back(Enter);
    HeadlessBackend backend(script);
    PaletteImage first;
    backend.onKeyWait([&first](std::size_t index, const PaletteImage& image) {
        if (index == 0) first = image;
    });

    EXPECT_EQ(RunDrelmiks(backend), 0);
    EXPECT_EQ(backend.keysLeft(), 0u);
    EXPECT_TRUE(backend.wasOpened());
    EXPECT_FALSE(backend.isOpen());
    EXPECT_TRUE(backend.errorBoxes().empty());
    EXPECT_TRUE(ImagesMatch("run-first-screen", first, ExpectedScreen(1, 1)));
    EXPECT_EQ(DRELMIKS::TAAL, c.language);
    EXPECT_EQ(UNTVOCH1::SBALK.copy(41, 4), c.exitLabel);
}

INSTANTIATE_TEST_SUITE_P(Languages, WholeRun,
                         testing::Values(LanguageRun{{}, 1, "UIT "},
                                         LanguageRun{{Right}, 2, "QTT "},
                                         LanguageRun{{Left}, 3, "AUS "}));

class MissingDataFile : public testing::TestWithParam<const char*> {};

TEST_P(MissingDataFile, EndsWithRuntimeError2BeforeAnyWindowOpens) {
    ScopedWorkDir dir;
    // The file that is present only needs to open; its contents are never read.
    for (const char* name : {UNTVOCH0::NAAMVOBAL, UNTVOCH0::NAAMVOCHT})
        if (std::string(name) != GetParam()) WriteFile(name, std::string(81 * 91 * 2, ' '));

    HeadlessBackend backend({Enter, Enter});
    testing::internal::CaptureStderr();
    const int status = RunDrelmiks(backend);
    const std::string stderrText = testing::internal::GetCapturedStderr();

    EXPECT_EQ(status, 2);
    EXPECT_EQ(stderrText.rfind("Runtime error 2 at $", 0), 0u) << stderrText;
    EXPECT_FALSE(backend.wasOpened());
    ASSERT_EQ(backend.errorBoxes().size(), 1u);
    EXPECT_EQ(backend.errorBoxes()[0].rfind("Runtime error 2 at $", 0), 0u);
    EXPECT_EQ(backend.keysLeft(), 2u);
}

INSTANTIATE_TEST_SUITE_P(EachFile, MissingDataFile,
                         testing::Values(UNTVOCH0::NAAMVOBAL, UNTVOCH0::NAAMVOCHT),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(9);  // WN1, WN2
                         });

}  // namespace
}  // namespace shell_tests
