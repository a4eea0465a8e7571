#include "runerror.h"

#include <dlfcn.h>
#include <execinfo.h>

#include <cstdint>
#include <cstdio>

#include "WinGraph.h"
#include "backend.h"

namespace {

constexpr int kMaxLevels = 64;

// The return addresses of RunError's callers that lie in the program itself, as offsets from
// where the program is loaded, so the same code location always gives the same number.
__attribute__((noinline)) std::vector<uint32_t> CallerFrames() {
    void* addresses[kMaxLevels];
    const int count = backtrace(addresses, kMaxLevels);
    Dl_info self{};
    dladdr(reinterpret_cast<void*>(&CallerFrames), &self);
    const auto base = reinterpret_cast<uintptr_t>(self.dli_fbase);

    std::vector<uint32_t> frames;
    // Level 0 is this function and level 1 RunError itself.
    for (int i = 2; i < count; ++i) {
        Dl_info info{};
        if (dladdr(addresses[i], &info) == 0 || info.dli_fbase != self.dli_fbase) continue;
        frames.push_back(uint32_t(reinterpret_cast<uintptr_t>(addresses[i]) - base));
    }
    if (frames.empty()) frames.push_back(uint32_t(reinterpret_cast<uintptr_t>(addresses[0]) - base));
    return frames;
}

std::string Hex8(uint32_t value) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

}  // namespace

[[noreturn]] __attribute__((noinline)) void RunError(int code) {
    throw RuntimeError{code, CallerFrames()};
}

std::string RuntimeErrorText(const RuntimeError& error) {
    const uint32_t at = error.frames.empty() ? 0 : error.frames.front();
    std::string text = "Runtime error " + std::to_string(error.code) + " at $" + Hex8(at) + "\r\n";
    for (uint32_t frame : error.frames) text += "  $" + Hex8(frame) + "\r\n";
    text += "\r\n";
    return text;
}

int ReportRuntimeError(const RuntimeError& error) {
    CloseGraph();
    const std::string text = RuntimeErrorText(error);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
    if (Backend* backend = CurrentBackend()) backend->showErrorBox(text);
    return error.code;
}
