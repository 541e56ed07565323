#pragma once

#include <cstddef>
#include <string>

#include "framework/export.h"

// Writes a file so that a failure never costs the previous one: the bytes go to a new temporary
// file beside it, which is flushed to the disk and only then renamed over the old file. A file
// that is replaced keeps its permissions; a symbolic link is followed, so the file it names is
// replaced. Every failure raises a CFileException naming the target path, with the operating
// system's error code; the temporary file is then removed and the old file stays as it was. A
// target without write permission is not replaced (cause writeProtected), and temporary files
// that a killed save of the same target left behind are removed.
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

// The largest data file any reader takes: far above the largest legal project (a full distance
// matrix of text numbers), far below what could exhaust the memory.
constexpr std::size_t MAX_DATA_FILE_BYTES = std::size_t{256} << 20;

// The whole file's bytes. A file that cannot be opened or read, that is not a regular file (a
// folder, a device such as /dev/zero, a pipe: opened without waiting for a writer) or that is
// larger than maxBytes raises a CFileException; the last two with the causes notRegularFile and
// tooLarge.
SABLEKIT_API std::string ReadFileBytes(const std::string& path, std::size_t maxBytes = MAX_DATA_FILE_BYTES);

// Raises the CFileException ReadFileBytes would raise for a file that cannot be opened for
// reading or is not a regular file; reads nothing.
SABLEKIT_API void CheckReadableRegularFile(const std::string& path);

// Raises a CFileException when a log file could not be written at path: an existing file that
// is a folder or a pipe (whose opening would wait for a reader) or that may not be written, or a
// new file in a folder that may not be written. Creates and changes nothing.
SABLEKIT_API void CheckWritableLogFile(const std::string& path);
