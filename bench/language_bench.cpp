// One language change on the introduction screen: from the arrow key to the screen redrawn in
// the next language, measured between two key waits of the language bar, headless.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "Units/UNTGRAPHICS.h"
#include "platform/WinGraph.h"
#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/keys.h"
#include "viewer/DRELMIKS.h"

namespace {

using Clock = std::chrono::steady_clock;

void BM_LanguageChange(benchmark::State& state) {
    HeadlessBackend backend;
    std::vector<Clock::time_point> waits;
    backend.onKeyWait([&waits](std::size_t, const PaletteImage&) { waits.push_back(Clock::now()); });
    SetBackend(&backend);
    UNTGRAPHICS::GRHAALDRIVER();
    DRELMIKS::INITIEER();

    for (auto _ : state) {
        // The screen is drawn and waits; the arrow changes the language and it waits again.
        backend.addKeys({keys::Right, keys::Enter});
        DRELMIKS::KIESTAAL();
        const auto n = waits.size();
        state.SetIterationTime(std::chrono::duration<double>(waits[n - 1] - waits[n - 2]).count());
    }

    CloseGraph();
    SetBackend(nullptr);
}
BENCHMARK(BM_LanguageChange)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
