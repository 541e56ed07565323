#pragma once

#include <exception>
#include <string>

#include "framework/export.h"

// A failed file operation: the cause, the file name and the operating system's error code.
class SABLEKIT_API CFileException : public std::exception {
public:
    enum Cause {
        none = 0,
        genericException,
        fileNotFound,
        badPath,
        accessDenied,
        diskFull,
        endOfFile,
        notRegularFile, // a folder, a device or a pipe where a data file is expected
        tooLarge,       // larger than any data file the program reads
        writeProtected, // a target without write permission that a save would replace
    };

    CFileException(Cause cause, std::string fileName, int osError);

    // From errno after a failed open, read or write of the named file.
    static CFileException FromErrno(const std::string& fileName, int error);

    Cause m_cause;
    std::string m_strFileName;
    int m_lOsError;

    const char* what() const noexcept override { return m_what.c_str(); }

private:
    std::string m_what;
};
