#pragma once

#include <cstdarg>
#include <string>

#include "framework/export.h"

// printf-style formatting into a std::string. The system's texts are C format strings, so
// every message and report line goes through here or through fprintf directly.
SABLEKIT_API std::string FormatString(const char* format, ...) __attribute__((format(printf, 1, 2)));
SABLEKIT_API std::string FormatStringV(const char* format, va_list args);
