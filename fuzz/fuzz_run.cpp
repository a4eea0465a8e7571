// Whole runs of the viewer under the headless backend, from arbitrary data files and keys.
// Input: two bytes giving the length of DRELMIKS.WN1, its bytes, two bytes for the length of
// DRELMIKS.WN2, its bytes, then one key per byte. Every run must end normally or with a
// run-time error the system defines; a crash, a hang or a sanitizer report is a finding.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/WinGraph.h"
#include "platform/headless.h"
#include "platform/runerror.h"
#include "viewer/DRELMIKS.h"
#include "viewer/UNTVOCH0.h"

namespace {

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    std::string take(size_t n) {
        n = std::min(n, size_ - pos_);
        std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return out;
    }
    size_t takeLength() {
        const std::string b = take(2);
        size_t n = 0;
        for (unsigned char c : b) n = n * 256 + c;
        return n;
    }
    bool done() const { return pos_ >= size_; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// Mostly the keys the menus act on, now and then any character at all.
Key KeyFor(uint8_t b) {
    static const Key kKeys[] = {keys::Up, keys::Left, keys::Right, keys::Down,
                                keys::Enter, keys::Close, keys::F(1), Key::Char('H')};
    if (b < 224) return kKeys[b % 8];
    return (b & 1) ? Key::Ext(uint8_t(b * 7)) : Key::Char(uint8_t(b * 5));
}

void WriteFile(const char* name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

bool Defined(int code) {
    switch (code) {
        case 2: case 5: case 21: case 22: case 100: case 201: case 215: return true;
        default: return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static std::string dir = (std::filesystem::temp_directory_path() / "drelmiks-fuzz-XXXXXX").string();
    if (!mkdtemp(dir.data())) std::abort();
    std::filesystem::current_path(dir);
    // The audible signal goes to standard output; keep it out of the fuzzer's log.
    if (!std::freopen("/dev/null", "w", stdout)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    WriteFile("DRELMIKS.WN1", in.take(in.takeLength()));
    WriteFile("DRELMIKS.WN2", in.take(in.takeLength()));
    std::vector<Key> script;
    while (!in.done() && script.size() < 64) script.push_back(KeyFor(uint8_t(in.take(1)[0])));

    HeadlessBackend backend(script);
    SetBackend(&backend);
    try {
        UNTVOCH0::UNTVOCH0_INIT();
        DRELMIKS::MainSequence();
    } catch (const RuntimeError& error) {
        if (!Defined(error.code)) {
            std::fprintf(stderr, "undefined run-time error %d\n", error.code);
            std::abort();
        }
    } catch (const ScriptExhausted&) {
    }
    CloseGraph();
    UNTVOCH0::UNTVOCH0_DONE();
    SetBackend(nullptr);
    return 0;
}
