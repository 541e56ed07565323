#include "framework/application/clock.h"

#include <chrono>

double GetClockSeconds(double* seconds) {
    using clock = std::chrono::steady_clock;
    double now = std::chrono::duration<double>(clock::now().time_since_epoch()).count();
    if (seconds != nullptr) {
        *seconds = now;
    }
    return now;
}
