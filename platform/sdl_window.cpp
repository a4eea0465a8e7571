#include "sdl_window.h"

#include <SDL.h>

#include <cassert>
#include <cstring>

#include "palette.h"
#include "sdl_keymap.h"

namespace {

constexpr Uint32 kKeyPollMs = 10;

// False for SDL's drivers that show nothing to anybody.
bool ShowsOnDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

// Starts SDL's video. SDL falls back to its offscreen driver when no display can be reached;
// unless a driver was asked for, that counts as no display: nobody could see the window or
// type into it.
bool StartVideo(std::string& why) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // Ctrl-C and SIGTERM end the program
    // Without this SDL puts the window surface on software OpenGL: slower and heavier.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        why = std::string("no display: ") + SDL_GetError();
        return false;
    }
    if (!ShowsOnDisplay() && !SDL_GetHint(SDL_HINT_VIDEODRIVER)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        why = "no display available (SDL found none and fell back to its offscreen driver)";
        return false;
    }
    return true;
}

}  // namespace

SdlBackend::~SdlBackend() {
    close();
    if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// SDL's video, once started, stays up until the backend goes: the error box after the window
// closed then needs no new connection to the display. (Xvfb at least sometimes refuses a
// connection made right after another one closed.)
bool SdlBackend::startVideo(std::string& why) {
    if (!videoStarted_) videoStarted_ = StartVideo(why);
    return videoStarted_;
}

bool SdlBackend::open(std::string_view caption, std::string& why) {
    if (window_) return true;
    if (!startVideo(why)) return false;
    const std::string title(caption);
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               PaletteImage::kWidth, PaletteImage::kHeight, SDL_WINDOW_SHOWN);
    SDL_Surface* surface = window_ ? SDL_GetWindowSurface(window_) : nullptr;
    if (!surface || surface->format->BytesPerPixel != 4) {
        why = surface ? "the display has no 32-bit pixels" : std::string("no window: ") + SDL_GetError();
        close();
        return false;
    }
    for (std::size_t i = 0; i < kPalette.size(); ++i)
        pixelOf_[i] = SDL_MapRGB(surface->format, kPalette[i].r, kPalette[i].g, kPalette[i].b);
    SDL_StartTextInput();
    SDL_RaiseWindow(window_);
    present(PaletteImage{});  // an empty black picture until the first key wait shows the real one
    return true;
}

void SdlBackend::close() {
    if (!window_) return;
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    SDL_PumpEvents();  // sends the window's end to the display now, before an error box appears
}

void SdlBackend::present(const PaletteImage& image) {
    if (!window_) return;
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) return;
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    const uint8_t* source = image.data();
    for (int y = 0; y < PaletteImage::kHeight; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < PaletteImage::kWidth; ++x) row[x] = pixelOf_[*source++ & 0x0F];
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(window_);
}

void SdlBackend::handle(const SDL_Event& event, KeyBuffer& keys) {
    // The surface still holds the last picture shown: never a half-drawn one.
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED)
        SDL_UpdateWindowSurface(window_);
    CollectKeys(event, keys);
}

void SdlBackend::poll(KeyBuffer& keys) {
    if (!window_) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) handle(event, keys);
}

void SdlBackend::waitForKey(KeyBuffer& keys, const PaletteImage&) {
    assert(window_ != nullptr && "waiting for a key without a window");
    if (!window_) {
        SDL_Delay(kKeyPollMs);
        return;
    }
    // Polling, not SDL_WaitEventTimeout: that one sends itself wake-up messages through the X
    // server, and under load one was seen to reach a window already destroyed (BadWindow on
    // X_SendEvent), which ends the program.
    for (poll(keys); keys.empty(); poll(keys)) SDL_Delay(kKeyPollMs);
}

void SdlBackend::showErrorBox(const std::string& text) {
    std::string why;
    if (!startVideo(why) || !ShowsOnDisplay()) return;
    std::string shown = text;  // the box breaks lines at line feeds; CRs would show as glyphs
    std::erase(shown, '\r');
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", shown.c_str(), window_);
}
