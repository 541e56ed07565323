#pragma once

#include <cstdio>
#include <string>

#include "framework/archive/object.h"
#include "framework/export.h"

// A named real parameter with bounds and a default.
class SABLEKIT_API CDoubleParameter : public CObject {
public:
    CDoubleParameter() = default;
    virtual ~CDoubleParameter() = default;
    CDoubleParameter(const CDoubleParameter&) = default;
    CDoubleParameter& operator=(const CDoubleParameter&) = default;

    bool Initialize(double value, double lower, double upper, double defaultValue, const std::string& caption,
                    unsigned helpContextID = 0);
    bool SetValue(double value);
    bool SetRange(double lower, double upper, double defaultValue);
    bool Decode(const std::string& text);
    void Write(std::FILE* file) const;
    virtual bool Edit();
    void Reset() { m_value = m_default; }
    void Clear();
    void Copy(const CDoubleParameter& other) { *this = other; }

    double GetValue() const { return m_value; }
    double GetLowerBound() const { return m_lower; }
    double GetUpperBound() const { return m_upper; }
    double GetDefault() const { return m_default; }
    const std::string& GetCaption() const { return m_caption; }
    unsigned GetHelpContextID() const { return m_helpContextID; }
    void SetHelpContextID(unsigned id) { m_helpContextID = id; }
    void SetRawValue(double value) { m_value = value; }
    void SetRaw(double value, double lower, double upper, double defaultValue, const std::string& caption) {
        m_value = value;
        m_lower = lower;
        m_upper = upper;
        m_default = defaultValue;
        m_caption = caption;
    }

    // ---- binary archive: value, lower bound, upper bound, default, caption, help id ----
    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CDoubleParameter)
    // ---- end of binary archive ----

protected:
    void ReportOutOfRange(const std::string& valueText) const;

    double m_value = 0.0;
    double m_lower = 0.0;
    double m_upper = 0.0;
    double m_default = 0.0;
    std::string m_caption;
    unsigned m_helpContextID = 0;
};
