#pragma once

#include "framework/export.h"

// Random numbers. The generator is the linear congruential one of the Microsoft C runtime
// (state = state * 214013 + 2531011 modulo 2^32, value = bits 16..30 of the state), so a seed
// gives the same sequence as the original program on Windows. Its state is process-wide and
// starts as if seeded with 1.

// The largest raw draw.
constexpr int SABLE_RAND_MAX = 32767;

// The next raw draw in 0..32767 (the runtime's rand()).
SABLEKIT_API int SableRand();
// Sets the generator's state to seed (the runtime's srand()).
SABLEKIT_API void SableSrand(unsigned seed);

// Seeds the generator with seed, or with the millisecond tick count when seed is 0.
SABLEKIT_API void setseed(int seed);
// Does what setseed does when noRandom is false, and nothing otherwise.
SABLEKIT_API void SetSeed(int seed, bool noRandom);
// A draw divided by 32767.0, in [0, 1].
SABLEKIT_API double stduniform();
// A draw divided by 32767.0; 0.0 without drawing when noRandom is true.
SABLEKIT_API double GetRandomNumber(bool noRandom);
// An integer in [a, b], every value reachable. Throws std::invalid_argument
// ("Invalid range [%ld, %ld] for uniform random sampling function") when a > b.
SABLEKIT_API int uniform(int a, int b);
// As uniform(a, b), but gives a when noRandom is true (one number is still drawn).
SABLEKIT_API int GetUniformInteger(int a, int b, bool noRandom);
// A real in [a, b]. Throws std::invalid_argument
// ("Invalid range [%lf, %lf] for uniform random sampling function") when a > b.
SABLEKIT_API double uniform(double a, double b);
