#pragma once
// A length-prefixed string of single-byte characters with a fixed capacity: assigning a longer
// text keeps its first Capacity characters.
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

template <std::size_t Capacity>
class ShortString {
    static_assert(Capacity >= 1 && Capacity <= 255);

public:
    ShortString() = default;
    ShortString(std::string_view text) { assign(text); }  // NOLINT: implicit like a string
    ShortString& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    static constexpr std::size_t capacity() { return Capacity; }
    std::size_t length() const { return length_; }
    // Sets the length; characters gained keep whatever they held.
    void setLength(std::size_t n) { length_ = std::min(n, Capacity); }
    // 1-based character access, as the record layouts count positions.
    char& operator[](std::size_t pos) { return chars_[pos - 1]; }
    char operator[](std::size_t pos) const { return chars_[pos - 1]; }
    // Characters pos to pos + count - 1 (1-based), cut at the end of the string.
    std::string_view copy(std::size_t pos, std::size_t count) const {
        if (pos < 1 || pos > length_) return {};
        return view().substr(pos - 1, count);
    }
    std::string_view view() const { return {chars_.data(), length_}; }
    operator std::string_view() const { return view(); }  // NOLINT
    std::string str() const { return std::string(view()); }
    bool operator==(std::string_view other) const { return view() == other; }

private:
    void assign(std::string_view text) {
        length_ = std::min(text.size(), Capacity);
        std::copy_n(text.data(), length_, chars_.data());
    }
    std::array<char, Capacity> chars_{};
    std::size_t length_ = 0;
};
