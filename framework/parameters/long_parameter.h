#pragma once

#include "framework/export.h"
#include "framework/parameters/bounded_parameter.h"

// A named whole-number parameter with bounds and a default.
class SABLEKIT_API CLongParameter : public TBoundedParameter<int> {
public:
    CLongParameter() = default;
    CLongParameter(const CLongParameter&) = default;
    CLongParameter& operator=(const CLongParameter&) = default;

    // Asks for a new value in the bounds; true when a different value was set.
    virtual bool Edit();
    void Copy(const CLongParameter& other) { *this = other; }

    // ---- binary archive: value, lower bound, upper bound, default, caption, help id ----
    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CLongParameter)
    // ---- end of binary archive ----
};

// The random-number seed: range [0, 32767], default 1, caption "Seed".
class SABLEKIT_API CSeed : public CLongParameter {
public:
    bool Initialize(int value);
    bool Edit() override;
    DECLARE_SERIAL(CSeed)
};

// The report level: range [0, 5], default 3, caption "Report Level".
class SABLEKIT_API CReportLevel : public CLongParameter {
public:
    bool Initialize(int value);
    bool Edit() override;
    DECLARE_SERIAL(CReportLevel)
};

// Report levels.
enum EREPORTLEVEL {
    REPORT_NONE = 0,
    REPORT_DATABASE = 1,
    REPORT_SUMMARY = 2,
    REPORT_STANDARD = 3,
    REPORT_DETAILED = 4,
    REPORT_DEBUG = 5,
};
