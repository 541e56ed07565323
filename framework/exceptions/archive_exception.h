#pragma once

#include <exception>
#include <string>

#include "framework/export.h"

// A failure while reading or writing the binary archive.
class SABLEKIT_API CArchiveException : public std::exception {
public:
    enum Cause { none = 0, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    explicit CArchiveException(Cause cause, std::string fileName = std::string());

    Cause m_cause;
    std::string m_strFileName;

    const char* what() const noexcept override { return m_what.c_str(); }

private:
    std::string m_what;
};
