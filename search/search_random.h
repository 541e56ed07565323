#pragma once

#include <cstdint>
#include <random>

// The search's random numbers: a 64-bit Mersenne Twister, whose sequence the C++ standard fixes,
// so that a seed gives the same run on every platform.
class CSearchRandom {
public:
    explicit CSearchRandom(unsigned seed) : m_engine(seed) {}

    // Uniform in [0, 1).
    double Uniform() { return static_cast<double>(m_engine() >> 11) * 0x1.0p-53; }
    // Uniform whole number in [0, count); count > 0.
    int Below(int count) { return static_cast<int>(Uniform() * count); }

private:
    std::mt19937_64 m_engine;
};
