#pragma once
// The sample generator's own random numbers (SplitMix64): the same sequence on every system,
// so the data set comes out byte for byte the same on every run.
#include <cstdint>

class SampleRandom {
public:
    explicit SampleRandom(uint64_t seed) : state_(seed) {}

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1), from the top 53 bits.
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double low, double high) { return low + (high - low) * uniform(); }
    bool chance(double p) { return uniform() < p; }

private:
    uint64_t state_;
};
