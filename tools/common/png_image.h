#pragma once
// The window's picture as a PNG file: an indexed image with the exact palette RGB.
#include <string>

#include "platform/image.h"

// Writes `image` to `path`; returns false (with errno-style detail in `why`) on failure.
bool WritePng(const std::string& path, const PaletteImage& image, std::string& why);
