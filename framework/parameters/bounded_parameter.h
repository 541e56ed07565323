#pragma once

#include <cstdio>
#include <string>

#include "framework/archive/object.h"
#include "framework/export.h"

// A named parameter of type T (int or double): a value, a lower and an upper bound, a default,
// a caption and a help context number. Lower <= default <= upper, and the value stays within the
// bounds once set. Refused values and ranges are reported through the user interface.
template <typename T> class SABLEKIT_API TBoundedParameter : public CObject {
public:
    // Sets bounds, default, caption and help number, then the value; false (nothing shown) for
    // bounds that do not hold the default or an empty caption, false too for a value outside.
    bool Initialize(T value, T lower, T upper, T defaultValue, const std::string& caption,
                    unsigned helpContextID = 0);
    // Sets a value within the bounds (marking the document modified when it changes); a value
    // outside is reported and refused.
    bool SetValue(T value);
    // Sets new bounds and default; the value falls back to the default when it no longer fits.
    bool SetRange(T lower, T upper, T defaultValue);
    // Reads a value from text; text that is no number or out of range is reported and refused.
    bool Decode(const std::string& text);
    // Writes the line "caption = value".
    void Write(std::FILE* file) const;
    void Reset() { m_value = m_default; }
    // Zeroes every field and empties the caption.
    void Clear();

    T GetValue() const { return m_value; }
    T GetLowerBound() const { return m_lower; }
    T GetUpperBound() const { return m_upper; }
    T GetDefault() const { return m_default; }
    const std::string& GetCaption() const { return m_caption; }
    unsigned GetHelpContextID() const { return m_helpContextID; }
    void SetHelpContextID(unsigned id) { m_helpContextID = id; }
    // Stores a value without checks or marking (archive loading).
    void SetRawValue(T value) { m_value = value; }
    // Stores every field without checks or marking.
    void SetRaw(T value, T lower, T upper, T defaultValue, const std::string& caption) {
        m_value = value;
        m_lower = lower;
        m_upper = upper;
        m_default = defaultValue;
        m_caption = caption;
    }

protected:
    TBoundedParameter() = default;
    TBoundedParameter(const TBoundedParameter&) = default;
    TBoundedParameter& operator=(const TBoundedParameter&) = default;
    ~TBoundedParameter() override = default;

    // True for a value within the bounds (never for a NaN).
    bool Contains(T value) const { return value >= m_lower && value <= m_upper; }
    // Shows the range refusal for a value given as text.
    void ReportOutOfRange(const std::string& valueText) const;

    T m_value = T();
    T m_lower = T();
    T m_upper = T();
    T m_default = T();
    std::string m_caption;
    unsigned m_helpContextID = 0;
};

extern template class TBoundedParameter<int>;
extern template class TBoundedParameter<double>;
