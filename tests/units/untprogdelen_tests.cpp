// Menu keys and the audible signal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "Units/UNTPROGDELEN.h"
#include "platform/WinCrt.h"
#include "platform/WinGraph.h"
#include "platform/headless.h"
#include "tests/support/headless_window.h"

using namespace UNTPROGDELEN;

namespace {

class MenuKeys : public testing_support::HeadlessWindowTest {
protected:
    char Read() {
        char ch = '?';
        LEESKEY(ch);
        return ch;
    }
};

struct KeyCase {
    const char* what;
    Key key;
    char expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class MenuKey : public MenuKeys, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MenuKey, GivesTheCharacterOrTheCodeOfAPair) {
    backend.addKeys({GetParam().key});
    EXPECT_EQ(Read(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MenuKey,
    ::testing::Values(KeyCase{"Up", keys::Up, 'H'}, KeyCase{"Left", keys::Left, 'K'},
                      KeyCase{"Right", keys::Right, 'M'}, KeyCase{"Down", keys::Down, 'P'},
                      KeyCase{"ShiftH", Key::Char('H'), 'H'}, KeyCase{"LowerCaseH", Key::Char('h'), 'h'},
                      KeyCase{"Enter", keys::Enter, 13}, KeyCase{"F1", keys::F(1), ';'},
                      KeyCase{"CloseBox", keys::Close, 'k'}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.what); });

TEST_F(MenuKeys, DiscardsTheKeysTypedAheadAndWaitsForANewOne) {
    backend.typeAhead({Key::Char('a'), keys::Enter, Key::Char('b')});
    backend.addKeys({Key::Char('z')});
    EXPECT_EQ(Read(), 'z');
    EXPECT_EQ(backend.keyWaits(), 1u);
}

TEST_F(MenuKeys, AnArrowTypedAheadLeavesNoLoneCode) {
    backend.typeAhead({keys::Right});
    backend.addKeys({Key::Char('z')});
    EXPECT_EQ(Read(), 'z');
    backend.addKeys({Key::Char('y')});
    EXPECT_EQ(Read(), 'y');
}

TEST_F(MenuKeys, KeysTypedWhileTheScreenWasDrawnHaveNoEffect) {
    backend.addKeys({keys::Down, keys::Up});
    // The keys typed while the screen after the first key is drawn.
    backend.onKeyWait([&](std::size_t index, const PaletteImage&) {
        if (index == 0) backend.typeAhead({keys::Left, keys::Left});
    });
    EXPECT_EQ(Read(), 'P');
    EXPECT_EQ(Read(), 'H');
}

// Runs `body` in a child process with the given standard output and returns its wait status.
int InChild(int stdoutFd, const std::function<void()>& body) {
    std::fflush(nullptr);  // or the child would write out what this process still buffers
    const pid_t pid = fork();
    if (pid == 0) {
        if (stdoutFd < 0)
            close(STDOUT_FILENO);
        else
            dup2(stdoutFd, STDOUT_FILENO);
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

void ExpectEndedNormally(int status) {
    ASSERT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(Signal, WritesOneBelToStandardOutput) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const int status = InChild(fds[1], [] { FLUITEN(); });
    close(fds[1]);
    char bytes[4];
    const ssize_t n = read(fds[0], bytes, sizeof bytes);
    close(fds[0]);
    ExpectEndedNormally(status);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(bytes[0], '\a');
}

TEST(Signal, CarriesOnWhenStandardOutputIsClosed) {
    ExpectEndedNormally(InChild(-1, [] {
        FLUITEN();
        FLUITEN();
    }));
}

TEST(Signal, CarriesOnWhenNobodyReadsStandardOutput) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    close(fds[0]);
    const int status = InChild(fds[1], [] {
        signal(SIGPIPE, SIG_DFL);  // as a program starts
        FLUITEN();
        FLUITEN();
    });
    close(fds[1]);
    ExpectEndedNormally(status);
}

// A run in the background of a terminal that stops background writers (`stty tostop`) still
// gives its signal and goes on, instead of being stopped.
TEST(Signal, CarriesOnInTheBackgroundOfATerminalThatStopsBackgroundWriters) {
    std::fflush(nullptr);
    const pid_t session = fork();
    if (session == 0) {
        // A new session whose controlling terminal is a fresh pseudo-terminal with tostop set.
        setsid();
        const int master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) _exit(10);
        const int terminal = open(ptsname(master), O_RDWR);
        termios mode{};
        if (terminal < 0 || tcgetattr(terminal, &mode) != 0) _exit(11);
        mode.c_lflag |= TOSTOP;
        tcsetattr(terminal, TCSANOW, &mode);
        const pid_t background = fork();
        if (background == 0) {
            setpgid(0, 0);  // out of the terminal's foreground group
            signal(SIGTTOU, SIG_DFL);
            dup2(terminal, STDOUT_FILENO);
            FLUITEN();
            _exit(0);
        }
        int status = 0;
        waitpid(background, &status, WUNTRACED);
        if (WIFSTOPPED(status)) {
            kill(background, SIGKILL);
            _exit(12);
        }
        _exit(WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 13);
    }
    int status = 0;
    waitpid(session, &status, 0);
    ExpectEndedNormally(status);
}

}  // namespace
