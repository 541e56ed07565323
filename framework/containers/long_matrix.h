#pragma once

#include "framework/containers/numeric_matrix.h"
#include "framework/export.h"

// A dense matrix of signed 32-bit integers (assignments, loads).
class SABLEKIT_API CLongMatrix : public CNumericMatrix<int> {
public:
    using CNumericMatrix<int>::CNumericMatrix;
};
