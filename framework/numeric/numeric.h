#pragma once

#include <initializer_list>

#include "framework/export.h"

// The least / greatest of n values given after n. The double versions read doubles: pass
// 1.0, not 1. With n below 1 they give the identity of the operation (INT_MAX, INT_MIN,
// +infinity, -infinity) without reading any argument.
SABLEKIT_API int MinInt(int n, ...);
SABLEKIT_API int MaxInt(int n, ...);
SABLEKIT_API double MinDbl(int n, ...);
SABLEKIT_API double MaxDbl(int n, ...);

// The same over a list, which also converts each entry to the right type.
SABLEKIT_API int MinInt(std::initializer_list<int> values);
SABLEKIT_API int MaxInt(std::initializer_list<int> values);
SABLEKIT_API double MinDbl(std::initializer_list<double> values);
SABLEKIT_API double MaxDbl(std::initializer_list<double> values);

// True when the fractional part x - floor(x), or one minus it, is strictly below tolerance.
SABLEKIT_API bool IsInteger(double x, double tolerance);
