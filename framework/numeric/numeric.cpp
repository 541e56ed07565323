#include "framework/numeric/numeric.h"

#include <cmath>
#include <cstdarg>
#include <limits>

int MinInt(int n, ...) {
    int result = std::numeric_limits<int>::max();
    std::va_list arguments;
    va_start(arguments, n);
    for (int i = 0; i < n; ++i) {
        int value = va_arg(arguments, int);
        if (value < result) {
            result = value;
        }
    }
    va_end(arguments);
    return result;
}

int MaxInt(int n, ...) {
    int result = std::numeric_limits<int>::min();
    std::va_list arguments;
    va_start(arguments, n);
    for (int i = 0; i < n; ++i) {
        int value = va_arg(arguments, int);
        if (value > result) {
            result = value;
        }
    }
    va_end(arguments);
    return result;
}

double MinDbl(int n, ...) {
    double result = std::numeric_limits<double>::infinity();
    std::va_list arguments;
    va_start(arguments, n);
    for (int i = 0; i < n; ++i) {
        double value = va_arg(arguments, double);
        if (value < result) {
            result = value;
        }
    }
    va_end(arguments);
    return result;
}

double MaxDbl(int n, ...) {
    double result = -std::numeric_limits<double>::infinity();
    std::va_list arguments;
    va_start(arguments, n);
    for (int i = 0; i < n; ++i) {
        double value = va_arg(arguments, double);
        if (value > result) {
            result = value;
        }
    }
    va_end(arguments);
    return result;
}

int MinInt(std::initializer_list<int> values) {
    int result = std::numeric_limits<int>::max();
    for (int value : values) {
        if (value < result) {
            result = value;
        }
    }
    return result;
}

int MaxInt(std::initializer_list<int> values) {
    int result = std::numeric_limits<int>::min();
    for (int value : values) {
        if (value > result) {
            result = value;
        }
    }
    return result;
}

double MinDbl(std::initializer_list<double> values) {
    double result = std::numeric_limits<double>::infinity();
    for (double value : values) {
        if (value < result) {
            result = value;
        }
    }
    return result;
}

double MaxDbl(std::initializer_list<double> values) {
    double result = -std::numeric_limits<double>::infinity();
    for (double value : values) {
        if (value > result) {
            result = value;
        }
    }
    return result;
}

bool IsInteger(double x, double tolerance) {
    double fraction = x - std::floor(x);
    return fraction < tolerance || 1.0 - fraction < tolerance;
}
