#include "headless.h"

void HeadlessBackend::addKeys(const std::vector<Key>& keys) {
    script_.insert(script_.end(), keys.begin(), keys.end());
}

void HeadlessBackend::typeAhead(const std::vector<Key>& keys) {
    ahead_.insert(ahead_.end(), keys.begin(), keys.end());
}

void HeadlessBackend::onKeyWait(std::function<void(std::size_t, const PaletteImage&)> observer) {
    observer_ = std::move(observer);
}

bool HeadlessBackend::open(std::string_view, std::string&) {
    opened_ = true;
    open_ = true;
    return true;
}

void HeadlessBackend::close() { open_ = false; }

void HeadlessBackend::present(const PaletteImage&) { ++presents_; }

void HeadlessBackend::poll(KeyBuffer& keys) {
    for (const Key& key : ahead_) keys.push(key);
    ahead_.clear();
}

void HeadlessBackend::waitForKey(KeyBuffer& keys, const PaletteImage& image) {
    poll(keys);
    if (!keys.empty()) return;
    if (observer_) observer_(waits_, image);
    ++waits_;
    if (next_ == script_.size()) throw ScriptExhausted();
    keys.push(script_[next_++]);
}

void HeadlessBackend::showErrorBox(const std::string& text) { errorBoxes_.push_back(text); }
