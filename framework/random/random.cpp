#include "framework/random/random.h"

#include <chrono>
#include <cstdint>
#include <stdexcept>

#include "framework/strings/format.h"

namespace {

std::uint32_t g_state = 1;

// Milliseconds on the steady clock, wrapped to 32 bits like a system tick count.
std::uint32_t GetTickCountMilliseconds() {
    auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace

int SableRand() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7FFFu);
}

void SableSrand(unsigned seed) {
    g_state = seed;
}

void setseed(int seed) {
    if (seed == 0) {
        SableSrand(GetTickCountMilliseconds());
    } else {
        SableSrand(static_cast<unsigned>(seed));
    }
}

void SetSeed(int seed, bool noRandom) {
    if (!noRandom) {
        setseed(seed);
    }
}

double stduniform() {
    return SableRand() / 32767.0;
}

double GetRandomNumber(bool noRandom) {
    if (noRandom) {
        return 0.0;
    }
    return SableRand() / 32767.0;
}

int uniform(int a, int b) {
    if (a > b) {
        throw std::invalid_argument(
            FormatString("Invalid range [%ld, %ld] for uniform random sampling function",
                         static_cast<long>(a), static_cast<long>(b)));
    }
    int r = SableRand();
    if (r == SABLE_RAND_MAX) {
        r = SABLE_RAND_MAX - 1;
    }
    // In doubles, so that wide ranges neither overflow the width nor the product.
    double width = static_cast<double>(b) - static_cast<double>(a) + 1.0;
    return static_cast<int>(static_cast<std::int64_t>(a) + static_cast<std::int64_t>(width * r / 32767.0));
}

int GetUniformInteger(int a, int b, bool noRandom) {
    int value = uniform(a, b);
    return noRandom ? a : value;
}

double uniform(double a, double b) {
    if (a > b) {
        throw std::invalid_argument(
            FormatString("Invalid range [%lf, %lf] for uniform random sampling function", a, b));
    }
    return a + (b - a) * SableRand() / 32767.0;
}
