#include "framework/archive/safe_file.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "framework/exceptions/file_exception.h"

namespace {

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names: a symbolic link is followed (a dangling one names its target).
std::string ResolveTarget(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 16; ++hops) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return current;
        }
        std::vector<char> link(PATH_MAX + 1, '\0');
        ssize_t length = ::readlink(current.c_str(), link.data(), PATH_MAX);
        if (length <= 0) {
            return current;
        }
        std::string target(link.data(), static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : DirectoryOf(current) + "/" + target;
    }
    return current;
}

// Whether a name is what mkstemp makes of "base.XXXXXX": the base, a dot and six letters or digits.
bool IsTemporaryNameOf(const std::string& name, const std::string& base) {
    constexpr std::size_t kSuffix = 6;
    if (name.size() != base.size() + 1 + kSuffix || name.compare(0, base.size(), base) != 0 ||
        name[base.size()] != '.') {
        return false;
    }
    for (std::size_t i = base.size() + 1; i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    return true;
}

// Removes the temporary files a killed save of the target left beside it.
void RemoveStaleTemporaryFiles(const std::string& target) {
    const std::string folder = DirectoryOf(target);
    std::size_t slash = target.find_last_of('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    DIR* directory = ::opendir(folder.c_str());
    if (directory == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(directory)) {
        const std::string name = entry->d_name;
        if (!IsTemporaryNameOf(name, base)) {
            continue;
        }
        const std::string path = folder + "/" + name;
        struct stat status {};
        if (::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
            ::unlink(path.c_str());
        }
    }
    ::closedir(directory);
}

// A file that exists and may not be written is not replaced, even by a user the permissions do
// not hold back (root): a target without any write permission bit counts as protected.
bool IsWriteProtected(const std::string& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        return false;
    }
    return (status.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0;
}

mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

CSafeFileWriter::CSafeFileWriter(const std::string& path) : m_path(path), m_targetPath(ResolveTarget(path)) {
    if (IsWriteProtected(m_targetPath)) {
        throw CFileException(CFileException::writeProtected, m_path, EACCES);
    }
    RemoveStaleTemporaryFiles(m_targetPath);
    std::string pattern = m_targetPath + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    m_fd = ::mkstemp(name.data());
    if (m_fd < 0) {
        throw CFileException::FromErrno(m_path, errno);
    }
    m_temporaryPath = name.data();
    struct stat status {};
    mode_t mode = ::stat(m_targetPath.c_str(), &status) == 0 ? (status.st_mode & 07777) : NewFileMode();
    if (::fchmod(m_fd, mode) != 0) {
        Fail(errno);
    }
}

CSafeFileWriter::~CSafeFileWriter() {
    Abandon();
}

void CSafeFileWriter::Abandon() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporaryPath.empty()) {
        ::unlink(m_temporaryPath.c_str());
        m_temporaryPath.clear();
    }
}

void CSafeFileWriter::Fail(int error) {
    Abandon();
    throw CFileException::FromErrno(m_path, error);
}

void CSafeFileWriter::Write(const void* data, std::size_t size) {
    if (m_fd < 0) {
        throw CFileException(CFileException::genericException, m_path, EBADF);
    }
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t written = ::write(m_fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(errno);
        }
        if (written == 0) {
            Fail(ENOSPC);
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

void CSafeFileWriter::Commit() {
    if (m_fd < 0) {
        throw CFileException(CFileException::genericException, m_path, EBADF);
    }
    if (::fsync(m_fd) != 0) {
        Fail(errno);
    }
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        Fail(errno);
    }
    if (::rename(m_temporaryPath.c_str(), m_targetPath.c_str()) != 0) {
        Fail(errno);
    }
    m_temporaryPath.clear();
    // The new directory entry reaches the disk too (where the file system allows it).
    int directory = ::open(DirectoryOf(m_targetPath).c_str(), O_RDONLY | O_DIRECTORY);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}

void WriteFileSafely(const std::string& path, const std::string& bytes) {
    CSafeFileWriter writer(path);
    writer.Write(bytes.data(), bytes.size());
    writer.Commit();
}

namespace {

// Opens a regular file for reading, or raises. Without O_NONBLOCK opening a pipe would wait for
// a writer; the flag is dropped again for the reads.
int OpenRegularFile(const std::string& path, struct stat& status) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        throw CFileException::FromErrno(path, errno);
    }
    if (::fstat(fd, &status) != 0) {
        int error = errno;
        ::close(fd);
        throw CFileException::FromErrno(path, error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(fd);
        throw CFileException(CFileException::notRegularFile, path, S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

} // namespace

void CheckReadableRegularFile(const std::string& path) {
    struct stat status {};
    ::close(OpenRegularFile(path, status));
}

std::string ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    struct stat status {};
    int fd = OpenRegularFile(path, status);
    if (static_cast<unsigned long long>(status.st_size) > maxBytes) {
        ::close(fd);
        throw CFileException(CFileException::tooLarge, path, EFBIG);
    }
    std::string bytes;
    char chunk[65536];
    for (;;) {
        ssize_t count = ::read(fd, chunk, sizeof(chunk));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            int error = errno;
            ::close(fd);
            throw CFileException::FromErrno(path, error);
        }
        if (count == 0) {
            break;
        }
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + static_cast<std::size_t>(count) > maxBytes) {
            ::close(fd);
            throw CFileException(CFileException::tooLarge, path, EFBIG);
        }
        bytes.append(chunk, static_cast<std::size_t>(count));
    }
    ::close(fd);
    return bytes;
}

void CheckWritableLogFile(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode) || S_ISFIFO(status.st_mode)) {
            throw CFileException(CFileException::notRegularFile, path,
                                 S_ISDIR(status.st_mode) ? EISDIR : EINVAL);
        }
        if (::access(path.c_str(), W_OK) != 0) {
            throw CFileException::FromErrno(path, errno);
        }
        return;
    }
    if (errno != ENOENT) {
        throw CFileException::FromErrno(path, errno);
    }
    if (::access(DirectoryOf(path).c_str(), W_OK | X_OK) != 0) {
        throw CFileException::FromErrno(path, errno == ENOENT ? ENOENT : errno);
    }
}
