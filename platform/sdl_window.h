#pragma once
// The real window, with SDL2: a 640 x 480 client area that shows the picture in the palette's
// exact colours, one pixel for one pixel. Everything SDL does happens on the program's thread,
// inside the calls below; the window surface keeps the last picture shown, which repaints it.
#include <array>
#include <cstdint>

#include "backend.h"

struct SDL_Window;
union SDL_Event;

class SdlBackend : public Backend {
public:
    SdlBackend() = default;
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    bool open(std::string_view caption, std::string& why) override;
    void close() override;
    void present(const PaletteImage& image) override;
    void poll(KeyBuffer& keys) override;
    void waitForKey(KeyBuffer& keys, const PaletteImage& image) override;
    void showErrorBox(const std::string& text) override;

private:
    bool startVideo(std::string& why);
    void handle(const SDL_Event& event, KeyBuffer& keys);

    bool videoStarted_ = false;
    SDL_Window* window_ = nullptr;
    std::array<uint32_t, 16> pixelOf_{};  // palette entry -> pixel value of the window surface
};
