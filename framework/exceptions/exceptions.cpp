#include <cerrno>
#include <cstring>

#include "framework/exceptions/archive_exception.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"

void ThrowUserException() {
    throw CUserException();
}

CFileException::CFileException(Cause cause, std::string fileName, int osError)
    : m_cause(cause), m_strFileName(std::move(fileName)), m_lOsError(osError) {
    m_what = "file exception on \"" + m_strFileName + "\"";
}

CFileException CFileException::FromErrno(const std::string& fileName, int error) {
    Cause cause = genericException;
    switch (error) {
    case ENOENT:
        cause = fileNotFound;
        break;
    case ENOTDIR:
    case ENAMETOOLONG:
        cause = badPath;
        break;
    case EACCES:
    case EPERM:
    case EISDIR:
        cause = accessDenied;
        break;
    case ENOSPC:
        cause = diskFull;
        break;
    default:
        break;
    }
    return CFileException(cause, fileName, error);
}

CArchiveException::CArchiveException(Cause cause, std::string fileName)
    : m_cause(cause), m_strFileName(std::move(fileName)) {
    m_what = "archive exception on \"" + m_strFileName + "\"";
}
