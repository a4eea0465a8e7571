// A small program on the platform layer for proving the real window: it draws a test picture,
// reports every key it reads on standard output and ends at "q".
//   window_probe                          the real window; prints "ready" whenever it waits
//                                         for a key (the picture is then on screen) and
//                                         "key N" for every character read
//   window_probe --headless OUT.ppm N...  the same run headless, the characters N... as keys;
//                                         writes the picture of the last key wait as a PPM
//   window_probe --error N                opens the window, then ends with run-time error N
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/WinCrt.h"
#include "platform/WinGraph.h"
#include "platform/headless.h"
#include "platform/palette.h"
#include "platform/runerror.h"
#include "platform/sdl_window.h"

namespace {

void DrawStart() {
    SetBkColor(0);
    ClearViewPort();
    for (int entry = 0; entry < 16; ++entry) {
        SetFillStyle(SolidFill, uint32_t(entry));
        Bar(int16_t(entry * 40), 0, int16_t(entry * 40 + 39), 39);
    }
    SetColor(15);
    SetTextStyle(0, 0, 4);
    OutTextXY(8, 48, "Morvenbek");
    SetTextStyle(0, 0, 2);
    OutTextXY(8, 84, "window probe \xe9\xfc");
    SetLineStyle(DottedLn, 0, 1);
    Line(0, 104, 639, 104);
    SetLineStyle(SolidLn, 0, 1);
}

// Every character read leaves its code in the log; arrow codes after a 0 move a marker.
void DrawKey(unsigned char c, int count, bool afterZero) {
    static int markerX = 300, markerY = 300;
    char text[8];
    std::snprintf(text, sizeof text, "%02X", c);
    SetColor(uint32_t(1 + count % 15));
    OutTextXY(int16_t(8 + (count % 16) * 40), int16_t(112 + (count / 16) % 8 * 20), text);
    if (!afterZero) return;
    if (c == 'H') markerY -= 10;
    if (c == 'P') markerY += 10;
    if (c == 'K') markerX -= 10;
    if (c == 'M') markerX += 10;
    Rectangle(int16_t(markerX), int16_t(markerY), int16_t(markerX + 20), int16_t(markerY + 12));
}

void Open() {
    int16_t driver = 2, mode = 4;
    InitGraph(driver, mode, "Morvenbek data presentation");
}

void Run() {
    Open();
    DrawStart();
    bool afterZero = false;
    for (int count = 0;; ++count) {
        KeyPressed();  // shows the picture
        std::printf("ready\n");
        std::fflush(stdout);
        const char c = ReadKey();
        std::printf("key %d\n", int((unsigned char)c));
        std::fflush(stdout);
        if (c == 'q') return;
        DrawKey((unsigned char)c, count, afterZero);
        afterZero = c == 0 && !afterZero;
    }
}

bool WritePpm(const char* path, const PaletteImage& image) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", PaletteImage::kWidth, PaletteImage::kHeight);
    for (int y = 0; y < PaletteImage::kHeight; ++y)
        for (int x = 0; x < PaletteImage::kWidth; ++x) {
            const Rgb& c = kPalette[image.at(x, y)];
            const unsigned char rgb[3] = {c.r, c.g, c.b};
            std::fwrite(rgb, 1, 3, file);
        }
    return std::fclose(file) == 0;
}

int RunHeadless(const char* out, const std::vector<int>& codes) {
    std::vector<Key> script;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const bool pair = codes[i] == 0 && i + 1 < codes.size();
        script.push_back(pair ? Key::Ext(uint8_t(codes[++i])) : Key::Char(uint8_t(codes[i])));
    }
    HeadlessBackend backend(script);
    PaletteImage last;
    backend.onKeyWait([&](std::size_t, const PaletteImage& image) { last = image; });
    SetBackend(&backend);
    try {
        Run();
    } catch (const ScriptExhausted&) {
    }
    return WritePpm(out, last) ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "--headless") {
        std::vector<int> codes;
        for (std::size_t i = 2; i < args.size(); ++i) codes.push_back(std::atoi(args[i].c_str()));
        return RunHeadless(args[1].c_str(), codes);
    }
    SdlBackend window;
    SetBackend(&window);
    try {
        if (args.size() == 2 && args[0] == "--error") {
            Open();
            DrawStart();
            KeyPressed();
            std::printf("ready\n");
            std::fflush(stdout);
            RunError(std::atoi(args[1].c_str()));
        }
        Run();
    } catch (const RuntimeError& error) {
        return ReportRuntimeError(error);
    } catch (const NoWindowError& error) {
        std::fprintf(stderr, "window_probe: no window: %s\n", error.what());
        return 1;
    }
    CloseGraph();
    return 0;
}
