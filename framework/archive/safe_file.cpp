#include "framework/archive/safe_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
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

mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

} // namespace

CSafeFileWriter::CSafeFileWriter(const std::string& path) : m_path(path), m_targetPath(ResolveTarget(path)) {
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

std::string ReadFileBytes(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw CFileException::FromErrno(path, errno);
    }
    std::string bytes;
    char chunk[65536];
    for (;;) {
        std::size_t read = std::fread(chunk, 1, sizeof(chunk), file);
        bytes.append(chunk, read);
        if (read < sizeof(chunk)) {
            break;
        }
    }
    int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error != 0) {
        throw CFileException::FromErrno(path, error);
    }
    return bytes;
}
