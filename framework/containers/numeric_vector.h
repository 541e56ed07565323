#pragma once

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/export.h"

// A growable array of numbers (double, int or float) with an index sort and a report layout.
// Element access through operator[] is unchecked; the operations that take ranges check them.
template <class T> class SABLEKIT_API CNumericVector {
public:
    using value_type = T;

    CNumericVector() = default;
    explicit CNumericVector(int size) { SetSize(size); }
    CNumericVector(std::initializer_list<T> values) : m_data(values) {}

    // Resizes to size entries, keeping the first ones; new entries are 0. A negative size is
    // refused with a message and changes nothing.
    bool SetSize(int size);
    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_data.empty(); }

    T& operator[](int index) { return m_data[static_cast<size_t>(index)]; }
    const T& operator[](int index) const { return m_data[static_cast<size_t>(index)]; }
    T* GetData() { return m_data.data(); }
    const T* GetData() const { return m_data.data(); }
    T* begin() { return m_data.data(); }
    T* end() { return m_data.data() + m_data.size(); }
    const T* begin() const { return m_data.data(); }
    const T* end() const { return m_data.data() + m_data.size(); }

    // Appends a value and returns its index.
    int Add(T value);
    // Removes count entries from index on; a range outside the vector is refused with a
    // message and std::invalid_argument.
    void RemoveAt(int index, int count = 1);
    void RemoveAll() { m_data.clear(); }
    void Clear() { m_data.clear(); }
    void Copy(const CNumericVector& source) { m_data = source.m_data; }

    bool operator==(const CNumericVector& other) const { return m_data == other.m_data; }

    // Reorders the entries first to last of the index array so that the values they point at
    // ascend (last = -1: the last entry of this vector). Quicksort with a median-of-three
    // split; segments of at most 11 entries are sorted by straight insertion. Equal values keep
    // no particular order. A range outside this vector or the index array, or an index entry
    // in the range that points outside this vector, is refused with a message and
    // std::invalid_argument.
    void IndexSort(CNumericVector<int>& index, int first = 0, int last = -1) const;
    void IndexSort(std::vector<int>& index, int first = 0, int last = -1) const;

    // Prints entries first to last (-1: the last one) in blocks of lineLength / width entries:
    // a line of indices (plus 1 when baseOne) and a line of values in the given format; a
    // newline ends the report. A width below 3, a line length below 7 or below the width, or a
    // format that does not print exactly one number of the element type is refused with a
    // message (false); an entry range outside the vector with a message and
    // std::invalid_argument.
    bool Write(std::FILE* file, const std::string& format, int width, int lineLength, bool baseOne,
               int first = 0, int last = -1) const;

protected:
    void IndexSortEntries(int* index, int indexSize, int first, int last) const;

    std::vector<T> m_data;
};

extern template class CNumericVector<double>;
extern template class CNumericVector<int>;
extern template class CNumericVector<float>;
