#include "keybuffer.h"

#include <cassert>

void KeyBuffer::push(Key key) {
    if (keys_.size() == kCapacity) {
        // A key whose leading 0 has already been read keeps its place, so the reader never
        // sees a lone 0; the oldest whole key goes instead.
        keys_.erase(codePending_ ? keys_.begin() + 1 : keys_.begin());
    }
    keys_.push_back(key);
}

char KeyBuffer::pop() {
    assert(!keys_.empty() && "KeyBuffer::pop on an empty buffer");
    const Key key = keys_.front();
    if (key.extended && !codePending_) {
        codePending_ = true;
        return 0;
    }
    codePending_ = false;
    keys_.pop_front();
    return char(key.code);
}

void KeyBuffer::clear() {
    keys_.clear();
    codePending_ = false;
}
