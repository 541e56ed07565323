#include "framework/application/distance_norm.h"

#include <strings.h>

namespace {
const char* const kNormNames[DN_COUNT] = {
    "Great_Circle",           "Rectilinear",         "Euclidean", "Chebyshev",
    "Transportation_Network", "Externally_Specified"};
}

const char* CDistanceNorm::GetDistanceNormName(int norm) {
    return (norm >= 0 && norm < DN_COUNT) ? kNormNames[norm] : "";
}

int CDistanceNorm::DecodeDistanceNorm(const std::string& name) {
    for (int i = 0; i < DN_COUNT; ++i) {
        if (strcasecmp(name.c_str(), kNormNames[i]) == 0) {
            return i;
        }
    }
    return -1;
}
