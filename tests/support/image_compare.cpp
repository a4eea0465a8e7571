#include "image_compare.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "platform/palette.h"

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
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) throw std::runtime_error("cannot write " + path.string());
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot encode " + path.string());
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, PaletteImage::kWidth, PaletteImage::kHeight, 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(PaletteImage::kWidth * 3);
    for (int y = 0; y < PaletteImage::kHeight; ++y) {
        for (int x = 0; x < PaletteImage::kWidth; ++x) {
            const Rgb& c = kPalette[image.at(x, y) & 0x0F];
            row[x * 3] = c.r;
            row[x * 3 + 1] = c.g;
            row[x * 3 + 2] = c.b;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
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
