#pragma once

#include <exception>

#include "framework/export.h"

// The quiet exception: the message has already been shown; the command that catches it just ends.
class SABLEKIT_API CUserException : public std::exception {
public:
    const char* what() const noexcept override { return "user exception"; }
};

// Raises a CUserException (after the caller has shown its message).
[[noreturn]] SABLEKIT_API void ThrowUserException();
