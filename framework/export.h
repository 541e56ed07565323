#pragma once

// Symbols of sablekit that the program may use carry SABLEKIT_API; everything else stays
// inside the shared library (it is built with hidden visibility).
#if defined(SABLEKIT_BUILDING)
#define SABLEKIT_API __attribute__((visibility("default")))
#else
#define SABLEKIT_API
#endif
