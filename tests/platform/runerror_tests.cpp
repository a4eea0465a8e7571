// Run-time errors: the text they show and how they end the run.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinGraph.h"
#include "platform/headless.h"
#include "platform/runerror.h"
#include "platform/sdl_window.h"
#include "tests/support/headless_window.h"

namespace {

TEST(RuntimeErrorText, NamesTheErrorAndEveryCallingLevelWithCrLfLineEnds) {
    const RuntimeError error{201, {0x0001A2B3, 0xABCDEF01, 0x00000040}};
    EXPECT_EQ(RuntimeErrorText(error),
              "Runtime error 201 at $0001A2B3\r\n"
              "  $0001A2B3\r\n"
              "  $ABCDEF01\r\n"
              "  $00000040\r\n"
              "\r\n");
}

__attribute__((noinline)) void FailWithRangeError() { RunError(kErrorRange); }

TEST(RunError, ThrowsTheErrorWithTheAddressesOfItsCallers) {
    try {
        FailWithRangeError();
        FAIL() << "RunError returned";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code, kErrorRange);
        // The failing function, this test, and GoogleTest's levels above it.
        EXPECT_GE(error.frames.size(), 2u);
    }
}

class ErrorReport : public testing_support::HeadlessWindowTest {};

TEST_F(ErrorReport, ClosesTheWindowThenShowsTheTextOnStandardErrorAndInTheBox) {
    const RuntimeError error{100, {0x1234}};
    ::testing::internal::CaptureStderr();
    const int status = ReportRuntimeError(error);
    const std::string written = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 100);
    EXPECT_FALSE(backend.isOpen());
    EXPECT_FALSE(GraphIsOpen());
    EXPECT_EQ(written, RuntimeErrorText(error));
    EXPECT_EQ(backend.errorBoxes(), std::vector<std::string>{RuntimeErrorText(error)});
}

// Runs `body` in a child process; returns its wait status and what it wrote to standard error.
int InChild(int (*body)(), std::string& stderrText) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    std::fflush(nullptr);  // or the child would write out what this process still buffers
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        dup2(fds[1], STDERR_FILENO);
        _exit(body());
    }
    close(fds[1]);
    char chunk[256];
    for (ssize_t n; (n = read(fds[0], chunk, sizeof chunk)) > 0;) stderrText.append(chunk, std::size_t(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

int RunUntilAnErrorOnAHeadlessWindow() {
    HeadlessBackend backend;
    SetBackend(&backend);
    int16_t driver = 2, mode = 4;
    InitGraph(driver, mode, "errors");
    try {
        FailWithRangeError();
    } catch (const RuntimeError& error) {
        return ReportRuntimeError(error);
    }
    return 0;
}

// "Runtime error CODE at $A", then "  $A" and one more such line per calling level, then an
// empty line; all lines end with CR LF.
::testing::AssertionResult IsErrorText(const std::string& text, int code) {
    const auto isHex8 = [](std::string_view s) {
        return s.size() == 8 && s.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
    };
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    const std::string head = "Runtime error " + std::to_string(code) + " at $";
    bool ok = lines.size() >= 3 && text.ends_with("\r\n\r\n") && lines.back().empty() &&
              lines[0].starts_with(head) && isHex8(lines[0].substr(head.size())) &&
              lines[1] == "  $" + lines[0].substr(head.size());
    for (std::size_t i = 1; ok && i + 1 < lines.size(); ++i)
        ok = lines[i].starts_with("  $") && isHex8(std::string_view(lines[i]).substr(3));
    if (ok) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ::testing::PrintToString(text);
}

TEST(ErrorExit, EndsTheProcessWithTheErrorNumberAfterTheText) {
    std::string text;
    const int status = InChild(&RunUntilAnErrorOnAHeadlessWindow, text);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kErrorRange);
    EXPECT_TRUE(IsErrorText(text, kErrorRange));
}

// The real window where no display can be reached: SDL would fall back to its offscreen driver.
int OpenWithoutDisplay() {
    alarm(30);  // a hang fails the test instead of stalling it
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("XDG_RUNTIME_DIR");  // where a Wayland display would otherwise be found by default
    unsetenv("SDL_VIDEODRIVER");
    SdlBackend window;
    std::string why;
    if (window.open("Morvenbek data presentation", why)) return 10;
    if (why.empty()) return 11;
    window.showErrorBox("Runtime error 2 at $00000000\r\n\r\n");  // must return at once
    return 0;
}

TEST(NoDisplay, TheWindowRefusesToOpenWithAReasonAndTheBoxIsSkipped) {
    std::string text;
    const int status = InChild(&OpenWithoutDisplay, text);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << text;
}

}  // namespace
