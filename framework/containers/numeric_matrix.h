#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/export.h"

// A dense matrix of numbers (double or int) stored row by row. m[i] is the first element of
// row i, so m[i][j] is element (i, j); indices start at 0 and are not checked there. A matrix
// is either empty (0 x 0) or has at least one row and one column.
template <class T> class SABLEKIT_API CNumericMatrix {
public:
    using value_type = T;

    CNumericMatrix() = default;
    CNumericMatrix(int rows, int columns) { SetSize(rows, columns); }

    // Sizes the matrix to rows x columns zeros (contents are not kept). Rows or columns below 1
    // (unless both are 0) and a negative growth are refused with a message and change nothing.
    // The growth is only kept with the matrix (the archive stores it).
    bool SetSize(int rows, int columns, int growth = 0);
    int GetNumberRows() const { return m_rows; }
    int GetNumberColumns() const { return m_columns; }
    int GetGrowth() const { return m_growth; }
    bool IsEmpty() const { return m_rows == 0; }

    T* operator[](int row) {
        return m_data.data() + static_cast<size_t>(row) * static_cast<size_t>(m_columns);
    }
    const T* operator[](int row) const {
        return m_data.data() + static_cast<size_t>(row) * static_cast<size_t>(m_columns);
    }
    T* GetData() { return m_data.data(); }
    const T* GetData() const { return m_data.data(); }

    // Copies the elements of a matrix of the same dimensions; other dimensions are refused
    // with a message (false). Assignment copies dimensions and all.
    bool Copy(const CNumericMatrix& source);
    void RemoveAll();
    void Clear() { RemoveAll(); }
    // Sets every element.
    void Fill(T value);

    // Remove one row, one column, or row and column k of a square matrix's numbering. Removing
    // the last row or the last column leaves the empty matrix. An index outside the matrix is
    // refused with a message and std::invalid_argument.
    void DeleteRow(int row);
    void DeleteColumn(int column);
    void DeleteRowAndColumn(int index);
    // Inserts a row and a column at index (0 to the number of rows and of columns; on the
    // empty matrix only 0), every new element being fill; the other elements keep their
    // values and move one place down or right from index on. An index outside is refused with
    // a message and std::invalid_argument.
    void InsertRowAndColumn(int index, T fill = T());

    bool operator==(const CNumericMatrix& other) const {
        return m_rows == other.m_rows && m_columns == other.m_columns && m_data == other.m_data;
    }

    // Prints rows firstRow to lastRow and columns firstColumn to lastColumn (-1: the last one)
    // in blocks of lineLength / width columns, each block headed by a blank label field and
    // the column indices (plus 1 when baseOne) and a blank line, then one line per row: its
    // index and its values in the given format. A newline ends the report. A width below 3, a
    // line length below 7 or below the width, or a format that does not print exactly one
    // number of the element type is refused with a message (false); rows or columns outside
    // the matrix with a message and std::invalid_argument.
    bool Write(std::FILE* file, const std::string& format, int width, int lineLength, bool baseOne,
               int firstRow = 0, int lastRow = -1, int firstColumn = 0, int lastColumn = -1) const;

protected:
    int m_rows = 0;
    int m_columns = 0;
    int m_growth = 0;
    std::vector<T> m_data;
};

extern template class CNumericMatrix<double>;
extern template class CNumericMatrix<int>;
