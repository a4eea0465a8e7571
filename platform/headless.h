#pragma once
// A backend without a window: keys come from a script, one at a time whenever the program
// waits for a key, and the picture can be inspected at every such wait.
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <vector>

#include "backend.h"

// Thrown when the program waits for a key and the script has none left.
struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("the key script has run out") {}
};

class HeadlessBackend : public Backend {
public:
    HeadlessBackend() = default;
    explicit HeadlessBackend(std::vector<Key> script) : script_(std::move(script)) {}

    // Keys delivered one by one, each when the program waits for a key.
    void addKeys(const std::vector<Key>& keys);
    // Keys typed ahead: they arrive in the buffer at the next poll, before the program waits.
    void typeAhead(const std::vector<Key>& keys);
    // Called with the picture each time the program waits for a key, before the next key is
    // delivered; `index` counts the waits from 0.
    void onKeyWait(std::function<void(std::size_t index, const PaletteImage&)> observer);

    bool wasOpened() const { return opened_; }
    bool isOpen() const { return open_; }
    std::size_t keyWaits() const { return waits_; }
    std::size_t keysLeft() const { return script_.size() - next_; }
    std::size_t presents() const { return presents_; }
    const std::vector<std::string>& errorBoxes() const { return errorBoxes_; }

    bool open(std::string_view caption, std::string& why) override;
    void close() override;
    void present(const PaletteImage& image) override;
    void poll(KeyBuffer& keys) override;
    void waitForKey(KeyBuffer& keys, const PaletteImage& image) override;
    void showErrorBox(const std::string& text) override;

private:
    std::vector<Key> script_;
    std::size_t next_ = 0;
    std::vector<Key> ahead_;
    std::function<void(std::size_t, const PaletteImage&)> observer_;
    bool opened_ = false;
    bool open_ = false;
    std::size_t waits_ = 0;
    std::size_t presents_ = 0;
    std::vector<std::string> errorBoxes_;
};
