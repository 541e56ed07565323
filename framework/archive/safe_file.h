#pragma once

#include <cstddef>
#include <string>

#include "framework/export.h"

// Writes a file so that a failure never costs the previous one: the bytes go to a new temporary
// file beside it, which is flushed to the disk and only then renamed over the old file. A file
// that is replaced keeps its permissions; a symbolic link is followed, so the file it names is
// replaced. Every failure raises a CFileException naming the target path, with the operating
// system's error code; the temporary file is then removed and the old file stays as it was.
class SABLEKIT_API CSafeFileWriter {
public:
    // Creates the temporary file.
    explicit CSafeFileWriter(const std::string& path);
    // Removes the temporary file unless Commit succeeded.
    ~CSafeFileWriter();
    CSafeFileWriter(const CSafeFileWriter&) = delete;
    CSafeFileWriter& operator=(const CSafeFileWriter&) = delete;

    void Write(const void* data, std::size_t size);
    // Flushes, closes and renames the temporary file over the target.
    void Commit();

    const std::string& GetPath() const { return m_path; }
    const std::string& GetTemporaryPath() const { return m_temporaryPath; }

private:
    [[noreturn]] void Fail(int error);
    void Abandon();

    std::string m_path;          // as the caller named it (for messages)
    std::string m_targetPath;    // the file that is replaced (links followed)
    std::string m_temporaryPath; // empty once committed or abandoned
    int m_fd = -1;
};

// The whole file written through a CSafeFileWriter.
SABLEKIT_API void WriteFileSafely(const std::string& path, const std::string& bytes);

// The whole file's bytes; a file that cannot be opened or read raises a CFileException.
SABLEKIT_API std::string ReadFileBytes(const std::string& path);
