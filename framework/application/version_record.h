#pragma once

#include <string>

// The program's version record: the names and numbers a Windows version resource would hold.
struct SVersionRecord {
    // File flags of the record.
    enum : unsigned { debugBuild = 0x01, preRelease = 0x02, privateBuild = 0x08, specialBuild = 0x20 };

    std::string companyName;
    std::string productName;
    std::string productVersion;
    std::string productDate;
    unsigned fileFlags = 0;
};
