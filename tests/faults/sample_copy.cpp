#include "sample_copy.h"

#include <filesystem>
#include <stdexcept>

#include "viewer/UNTVOCH0.h"

namespace fault_tests {

namespace fs = std::filesystem;
using testing_support::ReadFile;

SampleCopy::SampleCopy() {
    for (const char* name : {UNTVOCH0::NAAMVOBAL, UNTVOCH0::NAAMVOCHT}) {
        const fs::path from = fs::path(DRELMIKS_SAMPLE_DIR) / name;
        if (!fs::exists(from))
            throw std::runtime_error(from.string() + " is missing: it is built with the sample data set");
        fs::copy_file(from, name);
        sample_[name] = expected_[name] = ReadFile(name);
    }
}

void SampleCopy::Rewrite(const std::string& name, const std::string& bytes) {
    testing_support::WriteFile(name, bytes);
    expected_[name] = bytes;
}

::testing::AssertionResult SampleCopy::Untouched() const {
    for (const auto& [name, bytes] : expected_) {
        std::error_code ec;
        if (!fs::is_regular_file(dir_.path() / name, ec))
            return ::testing::AssertionFailure() << name << " is no longer a file";
        const std::string now = ReadFile(dir_.path() / name);
        if (now != bytes) {
            std::size_t at = 0;
            while (at < now.size() && at < bytes.size() && now[at] == bytes[at]) ++at;
            return ::testing::AssertionFailure() << name << " changed: " << now.size() << " bytes instead of "
                                                 << bytes.size() << ", first difference at byte " << at;
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace fault_tests
