// One 640 x 480 present to the real SDL window: the cost of showing the picture at a key wait.
// Needs a display (for example Xvfb :99 with DISPLAY=:99); without one it reports the skip.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/image.h"
#include "platform/keybuffer.h"
#include "platform/sdl_window.h"

namespace {

void BM_PresentToRealWindow(benchmark::State& state) {
    static SdlBackend window;  // one window for all runs, as the program has
    std::string why;
    if (!window.open("Morvenbek data presentation", why)) {
        state.SkipWithError(("skipped, no window: " + why).c_str());
        return;
    }
    PaletteImage image;  // every palette entry, in bands
    for (int y = 0; y < PaletteImage::kHeight; ++y)
        for (int x = 0; x < PaletteImage::kWidth; ++x) image.set(x, y, uint8_t((x / 40 + y / 30) % 16));
    KeyBuffer keys;
    for (auto _ : state) {
        window.present(image);
        window.poll(keys);  // as at a key wait; keeps the event queue short
    }
}
BENCHMARK(BM_PresentToRealWindow)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
