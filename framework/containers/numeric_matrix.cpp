#include "framework/containers/numeric_matrix.h"

#include <algorithm>
#include <type_traits>

#include "framework/application/sable_win_app.h"
#include "framework/containers/container_report.h"
#include "framework/strings/format.h"

using namespace containers_detail;

template <class T> bool CNumericMatrix<T>::SetSize(int rows, int columns, int growth) {
    if ((rows < 1 || columns < 1) && !(rows == 0 && columns == 0)) {
        DisplayErrorMessage(FormatString("Invalid requested dimensions [%ld, %ld] for matrix size",
                                         static_cast<long>(rows), static_cast<long>(columns)));
        return false;
    }
    if (growth < 0) {
        DisplayErrorMessage(
            FormatString("Invalid extra size growth [%ld] for matrix size", static_cast<long>(growth)));
        return false;
    }
    std::vector<T> data(static_cast<size_t>(rows) * static_cast<size_t>(columns), T());
    m_data.swap(data);
    m_rows = rows;
    m_columns = columns;
    m_growth = growth;
    return true;
}

template <class T> bool CNumericMatrix<T>::Copy(const CNumericMatrix& source) {
    if (source.m_rows != m_rows || source.m_columns != m_columns) {
        DisplayErrorMessage(
            FormatString("Invalid dimensions of matrix [%ld, %ld] or source [%ld, %ld] for matrix copy",
                         static_cast<long>(m_rows), static_cast<long>(m_columns),
                         static_cast<long>(source.m_rows), static_cast<long>(source.m_columns)));
        return false;
    }
    m_data = source.m_data;
    return true;
}

template <class T> void CNumericMatrix<T>::RemoveAll() {
    m_data.clear();
    m_rows = 0;
    m_columns = 0;
}

template <class T> void CNumericMatrix<T>::Fill(T value) {
    std::fill(m_data.begin(), m_data.end(), value);
}

template <class T> void CNumericMatrix<T>::DeleteRow(int row) {
    if (row < 0 || row >= m_rows) {
        RefuseMatrixBounds(row, row, 0, m_columns - 1, m_rows, m_columns, "DeleteRow");
    }
    if (m_rows == 1) {
        RemoveAll();
        return;
    }
    auto begin = m_data.begin() + static_cast<std::ptrdiff_t>(row) * m_columns;
    m_data.erase(begin, begin + m_columns);
    --m_rows;
}

template <class T> void CNumericMatrix<T>::DeleteColumn(int column) {
    if (column < 0 || column >= m_columns) {
        RefuseMatrixBounds(0, m_rows - 1, column, column, m_rows, m_columns, "DeleteColumn");
    }
    if (m_columns == 1) {
        RemoveAll();
        return;
    }
    std::vector<T> data;
    data.reserve(static_cast<size_t>(m_rows) * static_cast<size_t>(m_columns - 1));
    for (int i = 0; i < m_rows; ++i) {
        for (int j = 0; j < m_columns; ++j) {
            if (j != column) {
                data.push_back((*this)[i][j]);
            }
        }
    }
    m_data.swap(data);
    --m_columns;
}

template <class T> void CNumericMatrix<T>::DeleteRowAndColumn(int index) {
    if (index < 0 || index >= m_rows || index >= m_columns) {
        RefuseMatrixBounds(index, index, index, index, m_rows, m_columns, "DeleteRowAndColumn");
    }
    if (m_rows == 1 || m_columns == 1) {
        RemoveAll();
        return;
    }
    DeleteRow(index);
    DeleteColumn(index);
}

template <class T> void CNumericMatrix<T>::InsertRowAndColumn(int index, T fill) {
    if (index < 0 || index > m_rows || index > m_columns) {
        RefuseMatrixBounds(index, index, index, index, m_rows, m_columns, "InsertRowAndColumn");
    }
    const int rows = m_rows + 1;
    const int columns = m_columns + 1;
    std::vector<T> data(static_cast<size_t>(rows) * static_cast<size_t>(columns), fill);
    for (int i = 0; i < m_rows; ++i) {
        const int toRow = i < index ? i : i + 1;
        for (int j = 0; j < m_columns; ++j) {
            const int toColumn = j < index ? j : j + 1;
            data[static_cast<size_t>(toRow) * static_cast<size_t>(columns) + static_cast<size_t>(toColumn)] =
                (*this)[i][j];
        }
    }
    m_data.swap(data);
    m_rows = rows;
    m_columns = columns;
}

template <class T>
bool CNumericMatrix<T>::Write(std::FILE* file, const std::string& format, int width, int lineLength,
                              bool baseOne, int firstRow, int lastRow, int firstColumn,
                              int lastColumn) const {
    if (file == nullptr) {
        return false;
    }
    bool longArgument = false;
    constexpr bool realElements = !std::is_integral_v<T>;
    // The least line length is 7, the number the message names; it must also hold one field.
    if (width < 3 || lineLength < 7 || lineLength < width ||
        !IsUsableReportFormat(format, realElements, longArgument)) {
        DisplayErrorMessage(
            FormatString("Invalid format \"%s\" or format length %d less than 3 or line length "
                         "%d less than 7 for writing matrix",
                         format.c_str(), width, lineLength));
        return false;
    }
    if (lastRow == -1) {
        lastRow = m_rows - 1;
    }
    if (lastColumn == -1) {
        lastColumn = m_columns - 1;
    }
    if (firstRow < 0 || firstRow > lastRow || lastRow >= m_rows || firstColumn < 0 ||
        firstColumn > lastColumn || lastColumn >= m_columns) {
        RefuseMatrixBounds(firstRow, lastRow, firstColumn, lastColumn, m_rows, m_columns, "Write");
    }
    const int base = baseOne ? 1 : 0;
    const int perBlock = lineLength / width;
    for (int blockFirst = firstColumn; blockFirst <= lastColumn; blockFirst += perBlock) {
        const int blockLast = std::min(lastColumn, blockFirst + perBlock - 1);
        WriteReportBlank(file, width);
        for (int j = blockFirst; j <= blockLast; ++j) {
            WriteReportIndex(file, width, j + base);
        }
        std::fputs("\n\n", file);
        for (int i = firstRow; i <= lastRow; ++i) {
            WriteReportIndex(file, width, i + base);
            const T* row = (*this)[i];
            for (int j = blockFirst; j <= blockLast; ++j) {
                if constexpr (realElements) {
                    WriteReportValue(file, format, width, static_cast<double>(row[j]));
                } else {
                    WriteReportValue(file, format, row[j], longArgument);
                }
            }
            std::fputc('\n', file);
        }
    }
    std::fputc('\n', file);
    return true;
}

template class CNumericMatrix<double>;
template class CNumericMatrix<int>;
