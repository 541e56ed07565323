#pragma once

#include "framework/export.h"

// Seconds on a steady high-resolution clock; also stored in *seconds when given.
SABLEKIT_API double GetClockSeconds(double* seconds = nullptr);
