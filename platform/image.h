#pragma once
// The window's picture: 640 x 480 palette entries, kept off screen and shown by a backend.
#include <array>
#include <cstdint>

class PaletteImage {
public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 480;

    uint8_t at(int x, int y) const { return pixels_[y * kWidth + x]; }
    void set(int x, int y, uint8_t entry) { pixels_[y * kWidth + x] = entry; }
    void fill(uint8_t entry) { pixels_.fill(entry); }
    const uint8_t* data() const { return pixels_.data(); }
    uint8_t* data() { return pixels_.data(); }
    bool operator==(const PaletteImage&) const = default;

private:
    std::array<uint8_t, kWidth * kHeight> pixels_{};
};
