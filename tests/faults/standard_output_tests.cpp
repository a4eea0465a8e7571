// The audible signal goes to standard output; a run without one, or with a pipe whose reader
// has gone, must carry on and end normally.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "child_process.h"
#include "platform/headless.h"
#include "platform/keys.h"
#include "sample_copy.h"
#include "viewer/program.h"

namespace fault_tests {
namespace {

using namespace keys;

std::vector<Key> Repeat(Key key, int times) { return std::vector<Key>(std::size_t(times), key); }

std::vector<Key> Join(std::initializer_list<std::vector<Key>> parts) {
    std::vector<Key> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct SignalCase {
    const char* name;
    std::vector<Key> keys;  // from the language screen to the exit command
    int signals;            // plates that had to pull the request back into the data
};

// The sample data hold records 0 to 3286, so the last window starts at 3194.
const SignalCase kSignalCases[] = {
    // "+1j" eight times from 1461: 1826, 2191, 2556, 2921, then 3286, 3651, 4016, 4381 lie past
    // the last window; then right to the exit cell.
    {"PastTheLastWindow", Join({{Enter, Left}, Repeat(Enter, 8), {Right, Enter}}), 4},
    // "-1j" six times from 1461: 1096, 731, 366, 1, then -364 and -365 (each reset to 0).
    {"BeforeTheFirstDay", Join({{Enter}, Repeat(Left, 10), Repeat(Enter, 6), Repeat(Right, 10), {Enter}}), 2},
};

const ChildOutput kOutputs[] = {ChildOutput::Captured, ChildOutput::Closed, ChildOutput::ReaderGone};

std::string OutputName(ChildOutput output) {
    switch (output) {
    case ChildOutput::Captured: return "Pipe";
    case ChildOutput::Closed: return "Closed";
    case ChildOutput::ReaderGone: return "PipeWithoutReader";
    }
    return "?";
}

class StandardOutputFault : public testing::TestWithParam<std::tuple<SignalCase, ChildOutput>> {};

TEST_P(StandardOutputFault, SignalsNeverEndTheRunWhichEndsWithStatusZeroAfterTheExitCommand) {
    const auto& [c, output] = GetParam();
    SampleCopy data;

    const ChildEnd end = RunInChild(output, [&c] {
        HeadlessBackend backend(c.keys);
        const int status = RunDrelmiks(backend);
        if (backend.keysLeft() != 0) std::fprintf(stderr, "%zu keys left\n", backend.keysLeft());
        if (!backend.errorBoxes().empty()) std::fprintf(stderr, "an error box was shown\n");
        return status;
    });

    EXPECT_TRUE(end.exited && end.status == 0 && end.err.empty()) << Describe(end);
    if (output == ChildOutput::Captured) {  // the signals were given, one BEL each
        EXPECT_EQ(end.out, std::string(std::size_t(c.signals), '\a'));
    }
    // With descriptor 1 closed, the daily file is opened as descriptor 1, so every signal is
    // written to a file open for reading only: the write fails and the file stays as it was.
    EXPECT_TRUE(data.Untouched());
}

INSTANTIATE_TEST_SUITE_P(Runs, StandardOutputFault,
                         testing::Combine(testing::ValuesIn(kSignalCases), testing::ValuesIn(kOutputs)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    OutputName(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace fault_tests
