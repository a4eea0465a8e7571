#include "WinCrt.h"

#include <cassert>
#include <cstdint>
#include <optional>

#include "WinGraph.h"
#include "backend.h"
#include "keybuffer.h"

namespace {

KeyBuffer buffer;
// What the window shows now: the backend it was shown on and the picture's generation then.
Backend* shownOn = nullptr;
std::optional<uint64_t> shownGeneration;

Backend& ActiveBackend() {
    Backend* backend = CurrentBackend();
    assert(backend != nullptr && "the key reader needs a backend: call SetBackend first");
    if (backend != shownOn) {
        // Keys and the shown picture belong to one backend.
        buffer.clear();
        shownOn = backend;
        shownGeneration.reset();
    }
    return *backend;
}

void PresentIfChanged(Backend& backend) {
    const uint64_t generation = GraphGeneration();
    if (shownGeneration == generation) return;
    backend.present(GraphImage());
    shownGeneration = generation;
}

}  // namespace

void ResetKeyReader() {
    buffer.clear();
    shownGeneration.reset();
}

bool KeyPressed() {
    Backend& backend = ActiveBackend();
    PresentIfChanged(backend);
    backend.poll(buffer);
    return !buffer.empty();
}

char ReadKey() {
    Backend& backend = ActiveBackend();
    PresentIfChanged(backend);
    backend.poll(buffer);
    while (buffer.empty()) backend.waitForKey(buffer, GraphImage());
    return buffer.pop();
}
