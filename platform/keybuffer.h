#pragma once
// The key reader's buffer: up to 31 keys; a full buffer drops its oldest key for a new one.
// A two-character key counts as one key and is taken by two successive reads.
#include <cstddef>
#include <deque>

#include "keys.h"

class KeyBuffer {
public:
    static constexpr std::size_t kCapacity = 31;

    void push(Key key);
    bool empty() const { return keys_.empty(); }
    std::size_t size() const { return keys_.size(); }
    // Takes the oldest waiting character. Precondition: !empty().
    char pop();
    void clear();

private:
    std::deque<Key> keys_;
    bool codePending_ = false;  // the leading 0 of the front key has been taken
};
