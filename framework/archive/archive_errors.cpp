#include "framework/archive/archive_errors.h"

#include "framework/strings/format.h"

const char* GetArchiveCauseText(CArchiveException::Cause cause) {
    switch (cause) {
    case CArchiveException::none:
        return "no error";
    case CArchiveException::genericException:
        return "unexpected file format";
    case CArchiveException::readOnly:
        return "attempt to write to an archive that is being read";
    case CArchiveException::endOfFile:
        return "attempt to read past end of file";
    case CArchiveException::writeOnly:
        return "attempt to read from an archive that is being written";
    case CArchiveException::badIndex:
        return "invalid object or class reference";
    case CArchiveException::badClass:
        return "unexpected object class";
    case CArchiveException::badSchema:
        return "unsupported schema or data version";
    }
    return "unexpected file format";
}

std::string ConstructArchiveErrorMessage(bool write, const std::string& kindOfFile,
                                         const CArchiveException& error) {
    return FormatString(write ? "Could not write to %s file \"%s\"\nThe archive reported error %d: %s"
                              : "Could not read from %s file \"%s\"\nThe archive reported error %d: %s",
                        kindOfFile.c_str(), error.m_strFileName.c_str(), static_cast<int>(error.m_cause),
                        GetArchiveCauseText(error.m_cause));
}
