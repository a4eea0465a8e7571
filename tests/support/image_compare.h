#pragma once
// Whole pictures in tests: compare two palette images, and on a mismatch keep both as PNG files
// so a person can look at them.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "platform/image.h"

namespace testing_support {

// Where tests leave files for people to look at: <build dir>/test-output (created on demand).
std::filesystem::path TestOutputDir();

// Writes the picture as a PNG in the palette's colours; throws when it cannot.
void WritePng(const std::filesystem::path& path, const PaletteImage& image);

// Success when both pictures are equal. Otherwise writes NAME-ACTUAL.png and NAME-EXPECTED.png
// into TestOutputDir() and reports the number of differing pixels and the first of them.
::testing::AssertionResult ImagesMatch(const std::string& name, const PaletteImage& actual,
                                       const PaletteImage& expected);

}  // namespace testing_support
