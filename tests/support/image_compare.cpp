#include "image_compare.h"

#include <sstream>
#include <stdexcept>

#include "tools/common/png_image.h"

namespace testing_support {

namespace {
constexpr int kReportedPixels = 10;
}

std::filesystem::path TestOutputDir() {
    const std::filesystem::path dir = std::filesystem::path(DRELMIKS_BUILD_DIR) / "test-output";
    std::filesystem::create_directories(dir);
    return dir;
}

void WritePng(const std::filesystem::path& path, const PaletteImage& image) {
    std::string why;
    if (!::WritePng(path.string(), image, why)) throw std::runtime_error(why);
}

::testing::AssertionResult ImagesMatch(const std::string& name, const PaletteImage& actual,
                                       const PaletteImage& expected) {
    std::ostringstream first;
    long differing = 0;
    for (int y = 0; y < PaletteImage::kHeight; ++y) {
        for (int x = 0; x < PaletteImage::kWidth; ++x) {
            if (actual.at(x, y) == expected.at(x, y)) continue;
            if (differing++ < kReportedPixels)
                first << "\n  (" << x << ", " << y << "): entry " << int(actual.at(x, y)) << ", expected "
                      << int(expected.at(x, y));
        }
    }
    if (differing == 0) return ::testing::AssertionSuccess();
    const std::filesystem::path dir = TestOutputDir();
    WritePng(dir / (name + "-ACTUAL.png"), actual);
    WritePng(dir / (name + "-EXPECTED.png"), expected);
    return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ (pictures in "
                                         << dir.string() << "); the first:" << first.str();
}

}  // namespace testing_support
