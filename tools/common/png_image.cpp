#include "png_image.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/palette.h"

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool WritePng(const std::string& path, const PaletteImage& image, std::string& why) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        why = path + ": " + std::strerror(errno);
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        why = "out of memory";
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        why = path + ": write failed";
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, PaletteImage::kWidth, PaletteImage::kHeight, 8, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[kPalette.size()];
    for (size_t i = 0; i < kPalette.size(); ++i) palette[i] = {kPalette[i].r, kPalette[i].g, kPalette[i].b};
    png_set_PLTE(png, info, palette, int(kPalette.size()));
    png_write_info(png, info);
    for (int y = 0; y < PaletteImage::kHeight; ++y)
        png_write_row(png, const_cast<png_bytep>(image.data() + y * PaletteImage::kWidth));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file.get()) != 0) {
        why = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
