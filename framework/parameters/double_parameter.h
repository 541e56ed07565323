#pragma once

#include "framework/export.h"
#include "framework/parameters/bounded_parameter.h"

// A named real parameter with bounds and a default.
class SABLEKIT_API CDoubleParameter : public TBoundedParameter<double> {
public:
    CDoubleParameter() = default;
    CDoubleParameter(const CDoubleParameter&) = default;
    CDoubleParameter& operator=(const CDoubleParameter&) = default;

    // Asks for a new value in the bounds; true when a different value was set.
    virtual bool Edit();
    void Copy(const CDoubleParameter& other) { *this = other; }

    // ---- binary archive: value, lower bound, upper bound, default, caption, help id ----
    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CDoubleParameter)
    // ---- end of binary archive ----
};
