#pragma once
// Runs a piece of a test in a forked child process, so it can meet conditions a test process
// must not put itself into (no standard output, a pipe without reader, another user), and
// reports how the child ended.
#include <functional>
#include <string>

namespace fault_tests {

// What the child's standard output is.
enum class ChildOutput {
    Captured,    // a pipe the parent reads
    Closed,      // no standard output at all: descriptor 1 is closed
    ReaderGone,  // a pipe whose read end is already closed: every write fails
};

struct ChildEnd {
    bool exited = false;  // ended by _exit, not by a signal
    int status = -1;      // exit status when `exited`
    int signal = 0;       // the terminating signal otherwise
    std::string out;      // standard output (ChildOutput::Captured only)
    std::string err;      // standard error
};

// Forks; the child sets SIGPIPE to its default action, sets up its standard output, runs
// `body`, flushes every stdio stream as a program's end does and exits with body's result. An
// exception escaping `body` ends the child with status kChildUncaught; a child still running
// after two minutes is ended by SIGALRM, so a hang shows as a failure rather than a stuck test.
ChildEnd RunInChild(ChildOutput output, const std::function<int()>& body);

inline constexpr int kChildUncaught = 99;

// "exited with status N" or "killed by signal S (name)", and standard error if any.
std::string Describe(const ChildEnd& end);

}  // namespace fault_tests
