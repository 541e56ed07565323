#pragma once

#include <string>

#include "framework/exceptions/archive_exception.h"
#include "framework/export.h"

// The text of an archive failure, in the form of the file error messages:
// "Could not read from %s file \"%s\"\nThe archive reported error %d: %s" (or "Could not write
// to ...") with the kind of file, the file name, the cause code and the cause's text.
SABLEKIT_API std::string ConstructArchiveErrorMessage(bool write, const std::string& kindOfFile,
                                                      const CArchiveException& error);
// The text of a cause ("attempt to read past end of file", ...).
SABLEKIT_API const char* GetArchiveCauseText(CArchiveException::Cause cause);
