// drelmiks-plate: plates of the lysimeter viewer as PNG pictures (and their days as CSV), drawn
// by the viewer's own code without a window.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "days_csv.h"
#include "options.h"
#include "plate_session.h"
#include "platform/runerror.h"
#include "tools/common/png_image.h"
#include "viewer/UNTVOCH0.h"
#include "viewer/program.h"

namespace {

int Fail(const std::string& why) {
    std::fprintf(stderr, "drelmiks-plate: %s\n", why.c_str());
    return 2;
}

std::string Numbered(const std::string& prefix, int n) {
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, "-%03d", n);
    return prefix + suffix;
}

// The whole program on the given keys; a picture at every key wait.
int ExportKeyRun(const PlateOptions& o, const std::string& prefix) {
    HeadlessBackend backend(*o.keys);
    int pictures = 0;
    std::string failure;
    backend.onKeyWait([&](std::size_t index, const PaletteImage& image) {
        std::string why;
        if (failure.empty() && !WritePng(Numbered(prefix, int(index)) + ".png", image, why))
            failure = why;
        ++pictures;
    });
    int status = 0;
    try {
        status = RunDrelmiks(backend);
    } catch (const ScriptExhausted&) {
        // The keys ran out while the program waited for the next one: a normal end here.
    }
    if (!failure.empty()) return Fail(failure);
    std::fprintf(stderr, "drelmiks-plate: %d pictures, program %s\n", pictures,
                 status == 0 ? "ended normally or waits for a key" : "ended with a run-time error");
    return status;
}

int ExportPlates(const PlateOptions& o, const std::string& prefix) {
    PlateSession session(o.language);
    std::string why;
    const auto first = ResolveDay(o.firstDay, why);
    if (!first) return Fail(why);
    int32_t last = *first;
    if (o.lastDay) {
        const auto resolved = ResolveDay(*o.lastDay, why);
        if (!resolved) return Fail(why);
        last = *resolved;
    }
    if (last < *first) return Fail("--to lies before --day");

    PlateView view{*first, o.lysimeter, o.tube, o.correction};
    const int total = int((int64_t(last) - *first) / 93 + 1);
    for (int n = 0; n < total; ++n, view.firstDay += 93) {
        int32_t windowStart = 0;
        int16_t days = 0;
        const PaletteImage picture = session.render(view, windowStart, days);
        const std::string name = total == 1 ? prefix : Numbered(prefix, n);
        if (!WritePng(name + ".png", picture, why)) return Fail(why);
        if (o.csv && !WriteDaysCsv(name + ".csv", windowStart, days, view, why)) return Fail(why);
        if (total > 1 && ((n + 1) % 10 == 0 || n + 1 == total))
            std::fprintf(stderr, "drelmiks-plate: %d of %d plates\n", n + 1, total);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string why;
    const auto options = ParseOptions(argc, argv, why);
    if (!options) return Fail(why + " (see --help)");
    if (options->help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    const std::string prefix = std::filesystem::absolute(options->out).string();
    std::error_code ec;
    std::filesystem::current_path(options->dataDir, ec);
    if (ec) return Fail(options->dataDir + ": " + ec.message());
    // The viewer sounds its signal on standard output; it has no place in a picture.
    if (!std::freopen("/dev/null", "w", stdout)) return Fail("cannot redirect standard output");

    if (options->keys) return ExportKeyRun(*options, prefix);
    try {
        return ExportPlates(*options, prefix);
    } catch (const RuntimeError& error) {
        return ReportRuntimeError(error);
    }
}
