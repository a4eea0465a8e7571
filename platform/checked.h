#pragma once
// Checked integer arithmetic: an operation whose result overflows its computation type is
// error 215; a value assigned to a variable whose range it does not fit is error 201.
// Operations are carried out in 32 bits (64 when an operand is 64-bit), as the integer types
// of the data model are 16- and 32-bit.
#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

#include "runerror.h"

// The value converted to T, or error 201 when it lies outside T's range.
template <std::integral T, std::integral V>
T Checked(V value) {
    if (!std::in_range<T>(value)) RunError(kErrorRange);
    return static_cast<T>(value);
}

namespace checked_detail {
template <class A, class B>
using Wide = std::conditional_t<(sizeof(A) > 4 || sizeof(B) > 4), int64_t, int32_t>;
}

template <std::integral A, std::integral B>
auto Add(A a, B b) {
    checked_detail::Wide<A, B> r;
    if (__builtin_add_overflow(a, b, &r)) RunError(kErrorOverflow);
    return r;
}
template <std::integral A, std::integral B>
auto Sub(A a, B b) {
    checked_detail::Wide<A, B> r;
    if (__builtin_sub_overflow(a, b, &r)) RunError(kErrorOverflow);
    return r;
}
template <std::integral A, std::integral B>
auto Mul(A a, B b) {
    checked_detail::Wide<A, B> r;
    if (__builtin_mul_overflow(a, b, &r)) RunError(kErrorOverflow);
    return r;
}

// Real to integer: the nearest integer, an exact half to the even neighbour. A value that is
// not finite or does not fit 64 bits is error 201 (it fits no variable of the system).
inline int64_t RoundEven(long double value) {
    if (!std::isfinite(value) || value >= 9.2233720368547758e18L || value < -9.2233720368547758e18L)
        RunError(kErrorRange);
    return std::llrintl(value);  // the default rounding mode: to nearest, ties to even
}
