#pragma once

#include "framework/containers/numeric_vector.h"
#include "framework/export.h"

// A growable array of floats.
class SABLEKIT_API CFloatVector : public CNumericVector<float> {
public:
    using CNumericVector<float>::CNumericVector;
};
