#pragma once

#include "framework/application/version_record.h"

// The program's version record: company and product names name the log folders.
SVersionRecord GetTramletVersionRecord();
