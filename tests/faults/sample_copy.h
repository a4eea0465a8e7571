#pragma once
// A copy of the sample data set in a fresh working directory, and the check that a run left
// both data files as they were.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/files.h"

namespace fault_tests {

class SampleCopy {
public:
    // Makes a temporary working directory and copies DRELMIKS.WN1 and DRELMIKS.WN2 of the
    // sample data set into it.
    SampleCopy();

    const std::filesystem::path& path() const { return dir_.path(); }
    // The sample bytes of a data file, by its name.
    const std::string& sample(const std::string& name) const { return sample_.at(name); }
    // The test itself puts `bytes` into the data file (the program never writes); from now on
    // these are the bytes the file must hold.
    void Rewrite(const std::string& name, const std::string& bytes);
    // The test itself changed the file in some other way: its present bytes are the expected.
    void Expect(const std::string& name, const std::string& bytes) { expected_[name] = bytes; }
    // The test has put something that is no file in the data file's place: nothing to check.
    void Forget(const std::string& name) { expected_.erase(name); }

    // Success when both data files hold exactly the bytes expected of them.
    ::testing::AssertionResult Untouched() const;

private:
    testing_support::ScopedWorkDir dir_;
    std::map<std::string, std::string> sample_;
    std::map<std::string, std::string> expected_;
};

}  // namespace fault_tests
