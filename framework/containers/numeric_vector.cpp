#include "framework/containers/numeric_vector.h"

#include <type_traits>
#include <utility>

#include "framework/application/sable_win_app.h"
#include "framework/containers/container_report.h"
#include "framework/platform/user_interface.h"
#include "framework/strings/format.h"

using namespace containers_detail;

namespace {

// Segments spanning at most this many positions beyond their first (last - first) are sorted
// by straight insertion.
constexpr int kInsertionSortSpan = 10;

// Shows the wait cursor for as long as it lives.
class CWaitCursor {
public:
    CWaitCursor() { GetUserInterface().BeginWaitCursor(); }
    ~CWaitCursor() { GetUserInterface().EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

template <class T> void InsertionSort(const T* values, int* index, int first, int last) {
    for (int i = first + 1; i <= last; ++i) {
        int moving = index[i];
        T key = values[moving];
        int j = i - 1;
        while (j >= first && key < values[index[j]]) {
            index[j + 1] = index[j];
            --j;
        }
        index[j + 1] = moving;
    }
}

template <class T> void QuickSort(const T* values, int* index, int first, int last) {
    while (last - first > kInsertionSortSpan) {
        // Median of the first, middle and last entries: afterwards values at first <= middle
        // <= last, so first and last stop the inner scans.
        int middle = first + (last - first) / 2;
        if (values[index[middle]] < values[index[first]]) {
            std::swap(index[middle], index[first]);
        }
        if (values[index[last]] < values[index[first]]) {
            std::swap(index[last], index[first]);
        }
        if (values[index[last]] < values[index[middle]]) {
            std::swap(index[last], index[middle]);
        }
        // Park the split entry next to the end and partition first + 1 .. last - 2.
        std::swap(index[middle], index[last - 1]);
        T split = values[index[last - 1]];
        int i = first;
        int j = last - 1;
        for (;;) {
            while (values[index[++i]] < split) {
            }
            while (split < values[index[--j]]) {
            }
            if (i >= j) {
                break;
            }
            std::swap(index[i], index[j]);
        }
        std::swap(index[i], index[last - 1]);
        // Recurse into the smaller part and loop on the larger, so the depth stays logarithmic.
        if (i - first < last - i) {
            QuickSort(values, index, first, i - 1);
            first = i + 1;
        } else {
            QuickSort(values, index, i + 1, last);
            last = i - 1;
        }
    }
    InsertionSort(values, index, first, last);
}

} // namespace

template <class T> bool CNumericVector<T>::SetSize(int size) {
    if (size < 0) {
        DisplayErrorMessage(
            FormatString("Invalid requested size [%ld] for vector size", static_cast<long>(size)));
        return false;
    }
    m_data.resize(static_cast<size_t>(size), T());
    return true;
}

template <class T> int CNumericVector<T>::Add(T value) {
    m_data.push_back(value);
    return GetSize() - 1;
}

template <class T> void CNumericVector<T>::RemoveAt(int index, int count) {
    if (index < 0 || count < 1 || count > GetSize() - index) {
        RefuseVectorRange(index, static_cast<int>(static_cast<long long>(index) + count - 1), "RemoveAt");
    }
    m_data.erase(m_data.begin() + index, m_data.begin() + index + count);
}

template <class T>
void CNumericVector<T>::IndexSortEntries(int* index, int indexSize, int first, int last) const {
    if (last == -1) {
        last = GetSize() - 1;
    }
    // An empty range (first = last + 1) is allowed: there is nothing to sort.
    if (first < 0 || last >= GetSize() || last >= indexSize || first > last + 1) {
        RefuseVectorRange(first, last, "IndexSort");
    }
    for (int k = first; k <= last; ++k) {
        if (index[k] < 0 || index[k] >= GetSize()) {
            RefuseVectorRange(first, last, "IndexSort");
        }
    }
    CWaitCursor wait;
    QuickSort(m_data.data(), index, first, last);
}

template <class T> void CNumericVector<T>::IndexSort(CNumericVector<int>& index, int first, int last) const {
    IndexSortEntries(index.GetData(), index.GetSize(), first, last);
}

template <class T> void CNumericVector<T>::IndexSort(std::vector<int>& index, int first, int last) const {
    IndexSortEntries(index.data(), static_cast<int>(index.size()), first, last);
}

template <class T>
bool CNumericVector<T>::Write(std::FILE* file, const std::string& format, int width, int lineLength,
                              bool baseOne, int first, int last) const {
    if (file == nullptr) {
        return false;
    }
    bool longArgument = false;
    constexpr bool realElements = !std::is_integral_v<T>;
    if (width < 3 || lineLength < 7 || lineLength < width ||
        !IsUsableReportFormat(format, realElements, longArgument)) {
        DisplayErrorMessage(
            FormatString("Invalid format \"%s\" or format length %d less than 3 or line length "
                         "%d less than 7 for writing vector",
                         format.c_str(), width, lineLength));
        return false;
    }
    if (last == -1) {
        last = GetSize() - 1;
    }
    if (first < 0 || last >= GetSize() || first > last) {
        RefuseVectorRange(first, last, "Write");
    }
    const int base = baseOne ? 1 : 0;
    const int perBlock = lineLength / width;
    for (int blockFirst = first; blockFirst <= last; blockFirst += perBlock) {
        int blockLast = blockFirst + perBlock - 1 < last ? blockFirst + perBlock - 1 : last;
        for (int k = blockFirst; k <= blockLast; ++k) {
            WriteReportIndex(file, width, k + base);
        }
        std::fputc('\n', file);
        for (int k = blockFirst; k <= blockLast; ++k) {
            if constexpr (realElements) {
                WriteReportValue(file, format, width, static_cast<double>(m_data[static_cast<size_t>(k)]));
            } else {
                WriteReportValue(file, format, m_data[static_cast<size_t>(k)], longArgument);
            }
        }
        std::fputc('\n', file);
    }
    std::fputc('\n', file);
    return true;
}

template class CNumericVector<double>;
template class CNumericVector<int>;
template class CNumericVector<float>;
