#pragma once

#include "framework/archive/object.h"
#include "framework/containers/numeric_matrix.h"
#include "framework/export.h"

// A dense matrix of doubles (distances, savings, assignment costs).
class SABLEKIT_API CDoubleMatrix : public CNumericMatrix<double>, public CObject {
public:
    using CNumericMatrix<double>::CNumericMatrix;

    // Computes the inverse into inverse, which must have this square matrix's dimensions
    // (otherwise refused with a message), by an LU decomposition with partial pivoting and
    // back substitution. A singular matrix gives "LU Decomposition on a singular matrix".
    // On any refusal inverse is left as it was and the result is false. inverse may be this
    // matrix itself.
    bool Invert(CDoubleMatrix& inverse) const;
    // The determinant of a square matrix (0 for a singular one, 1 for the empty one). A matrix
    // that is not square is refused with a message and std::invalid_argument.
    double Determinant() const;

    // ---- binary archive: rows, columns, growth (3 ints), then the elements row by row ----
    // Dimensions that SetSize refuses, or more elements than the archive holds, raise an
    // archive exception (generic, or end of file).
    void Serialize(CArchive& archive) override;
    DECLARE_SERIAL(CDoubleMatrix)
    // ---- end of binary archive ----
};
