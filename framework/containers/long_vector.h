#pragma once

#include "framework/containers/numeric_vector.h"
#include "framework/export.h"

// A growable array of signed 32-bit integers; also the index array of IndexSort.
class SABLEKIT_API CLongVector : public CNumericVector<int> {
public:
    using CNumericVector<int>::CNumericVector;
};
