#pragma once

#include <string>

#include "framework/archive/object.h"
#include "framework/export.h"

// The rule by which distances between facilities are computed.
enum EDISTANCENORM {
    DN_GREAT_CIRCLE = 0,
    DN_RECTILINEAR = 1,
    DN_EUCLIDEAN = 2,
    DN_CHEBYSHEV = 3,
    DN_TRANSPORTATION_NETWORK = 4,
    DN_EXTERNALLY_SPECIFIED = 5,
    DN_COUNT = 6,
};

class SABLEKIT_API CDistanceNorm : public CObject {
public:
    CDistanceNorm() = default;
    explicit CDistanceNorm(EDISTANCENORM norm) : m_norm(norm) {}

    EDISTANCENORM GetNorm() const { return m_norm; }
    void SetNorm(EDISTANCENORM norm) { m_norm = norm; }
    const char* GetName() const { return GetDistanceNormName(m_norm); }

    // "Great_Circle", "Rectilinear", ...; an empty text outside the range.
    static const char* GetDistanceNormName(int norm);
    // The norm of a name in any letter case, or -1.
    static int DecodeDistanceNorm(const std::string& name);

    // ---- binary archive: the norm as one uint ----
    // A stored index outside 0 to 5 is reported ("Invalid distance norm index ... stored in
    // archive") and raises a generic archive exception.
    void Serialize(CArchive& archive) override;
    // The same check for an index read by itself (files of old versions).
    static EDISTANCENORM CheckStoredNorm(CArchive& archive, long long index);
    DECLARE_SERIAL(CDistanceNorm)
    // ---- end of binary archive ----

private:
    EDISTANCENORM m_norm = DN_EUCLIDEAN;
};
