#pragma once

#include "framework/containers/numeric_vector.h"
#include "framework/export.h"

// A growable array of doubles.
class SABLEKIT_API CDoubleVector : public CNumericVector<double> {
public:
    using CNumericVector<double>::CNumericVector;
};
