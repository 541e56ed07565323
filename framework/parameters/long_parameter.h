#pragma once

#include <cstdio>
#include <string>

#include "framework/archive/object.h"
#include "framework/export.h"

// A named whole-number parameter with bounds and a default.
class SABLEKIT_API CLongParameter : public CObject {
public:
    CLongParameter() = default;
    virtual ~CLongParameter() = default;
    CLongParameter(const CLongParameter&) = default;
    CLongParameter& operator=(const CLongParameter&) = default;

    bool Initialize(int value, int lower, int upper, int defaultValue, const std::string& caption,
                    unsigned helpContextID = 0);
    bool SetValue(int value);
    bool SetRange(int lower, int upper, int defaultValue);
    bool Decode(const std::string& text);
    void Write(std::FILE* file) const;
    virtual bool Edit();
    void Reset() { m_value = m_default; }
    void Clear();
    void Copy(const CLongParameter& other) { *this = other; }

    int GetValue() const { return m_value; }
    int GetLowerBound() const { return m_lower; }
    int GetUpperBound() const { return m_upper; }
    int GetDefault() const { return m_default; }
    const std::string& GetCaption() const { return m_caption; }
    unsigned GetHelpContextID() const { return m_helpContextID; }
    void SetHelpContextID(unsigned id) { m_helpContextID = id; }
    // Stores a value without checks or marking (archive loading).
    void SetRawValue(int value) { m_value = value; }
    void SetRaw(int value, int lower, int upper, int defaultValue, const std::string& caption) {
        m_value = value;
        m_lower = lower;
        m_upper = upper;
        m_default = defaultValue;
        m_caption = caption;
    }

    // ---- binary archive: value, lower bound, upper bound, default, caption, help id ----
    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CLongParameter)
    // ---- end of binary archive ----

protected:
    // Shows the range refusal for a value given as text.
    void ReportOutOfRange(const std::string& valueText) const;

    int m_value = 0;
    int m_lower = 0;
    int m_upper = 0;
    int m_default = 0;
    std::string m_caption;
    unsigned m_helpContextID = 0;
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
