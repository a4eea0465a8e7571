// One complete plate with its moisture profiles, on the window and lysimeter of the sample data
// set that hold the most sampling days, drawn headless.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Units/UNTGRAPHICS.h"
#include "platform/WinGraph.h"
#include "platform/backend.h"
#include "platform/headless.h"
#include "viewer/GEEFLYSIM.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/UNTVOCH1.h"
#include "viewer/fields.h"

namespace {

struct BusiestWindow {
    int32_t start = 0;
    int16_t lysimeter = 1;
    int profiles = 0;
};

// Scans the daily file for the 93-day window and lysimeter with the most profile pointers;
// on a tie, the lysimeters with three tubes come first.
BusiestWindow FindBusiestWindow(const std::string& daily) {
    const int days = int(daily.size() / fields::kDailyRecordSize);
    BusiestWindow best;
    for (int16_t l : {2, 3, 1, 4}) {
        const int pos = fields::LysimeterPos(l) + fields::kPointerOffset - 1;
        std::vector<int> sampled(days);
        for (int d = 0; d < days; ++d)
            sampled[d] = daily.compare(std::size_t(d) * fields::kDailyRecordSize + pos, fields::kPointerWidth,
                                       "     ") != 0;
        int inWindow = 0;
        for (int d = 0; d < days; ++d) {
            inWindow += sampled[d];
            if (d >= 93) inWindow -= sampled[d - 93];
            if (d >= 92 && inWindow > best.profiles) best = {d - 92, l, inWindow};
        }
    }
    return best;
}

void BM_Plate(benchmark::State& state) {
    std::filesystem::current_path(DRELMIKS_SAMPLE_DIR);
    std::ifstream in(UNTVOCH0::NAAMVOBAL, std::ios::binary);
    const std::string daily{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const BusiestWindow window = FindBusiestWindow(daily);

    HeadlessBackend backend;
    SetBackend(&backend);
    UNTVOCH0::UNTVOCH0_INIT();
    UNTGRAPHICS::GRHAALDRIVER();
    SetTextStyle(0, 0, 2);
    UNTGRAPHICS::GRKLEUR(Yellow);
    UNTVOCH1::BIJSCHRIFT(2);
    UNTVOCH0::RECNR = window.start;
    UNTVOCH0::LYSIM = window.lysimeter;
    UNTVOCH0::BUIS = 4;
    UNTVOCH0::COR = true;

    UNTVOCH1::GeefLysimFrame v;
    for (auto _ : state) {
        UNTVOCH1::MAAKPLAAT(v);
        benchmark::DoNotOptimize(GraphImage().data());
    }
    state.counters["profiles"] = window.profiles;
    state.counters["first_record"] = window.start;
    state.counters["lysimeter"] = window.lysimeter;

    CloseGraph();
    UNTVOCH0::UNTVOCH0_DONE();
    SetBackend(nullptr);
}
BENCHMARK(BM_Plate)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
