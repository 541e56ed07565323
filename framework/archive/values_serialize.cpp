// Serialize of the framework's value classes: parameters, colour word, distance norm, matrix.
#include <cstdint>

#include "framework/application/distance_norm.h"
#include "framework/application/sable_win_app.h"
#include "framework/archive/archive.h"
#include "framework/colours/color.h"
#include "framework/containers/double_matrix.h"
#include "framework/parameters/double_parameter.h"
#include "framework/parameters/long_parameter.h"
#include "framework/strings/format.h"

IMPLEMENT_SERIAL(CLongParameter, CObject, 20000)
IMPLEMENT_SERIAL(CSeed, CLongParameter, 20000)
IMPLEMENT_SERIAL(CReportLevel, CLongParameter, 20000)
IMPLEMENT_SERIAL(CDoubleParameter, CObject, 20000)
IMPLEMENT_SERIAL(CDistanceNorm, CObject, 20000)
IMPLEMENT_SERIAL(CDoubleMatrix, CObject, 20001)

void CLongParameter::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << m_value << m_lower << m_upper << m_default << m_caption
                << static_cast<std::uint32_t>(m_helpContextID);
        return;
    }
    std::uint32_t help = 0;
    archive >> m_value >> m_lower >> m_upper >> m_default >> m_caption >> help;
    m_helpContextID = help;
}

void CDoubleParameter::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << m_value << m_lower << m_upper << m_default << m_caption
                << static_cast<std::uint32_t>(m_helpContextID);
        return;
    }
    std::uint32_t help = 0;
    archive >> m_value >> m_lower >> m_upper >> m_default >> m_caption >> help;
    m_helpContextID = help;
}

void CPRGB::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << m_color;
        return;
    }
    std::uint32_t word = 0;
    archive >> word;
    // A word that is neither an RGB value nor a palette entry would index past the palette
    // wherever the colour is drawn: such a colour becomes palette black.
    m_color = 0;
    SetColor(word);
}

EDISTANCENORM CDistanceNorm::CheckStoredNorm(CArchive& archive, long long index) {
    if (index < 0 || index >= DN_COUNT) {
        DisplayErrorMessage(
            FormatString("Invalid distance norm index %d outside valid range [%d, %d] stored in archive",
                         static_cast<int>(index), 0, DN_COUNT - 1));
        archive.ThrowException(CArchiveException::genericException);
    }
    return static_cast<EDISTANCENORM>(index);
}

void CDistanceNorm::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << static_cast<std::uint32_t>(m_norm);
        return;
    }
    std::uint32_t index = 0;
    archive >> index;
    m_norm = CheckStoredNorm(archive, static_cast<int>(index));
}

void CDoubleMatrix::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << m_rows << m_columns << m_growth;
        for (double value : m_data) {
            archive << value;
        }
        return;
    }
    int rows = 0;
    int columns = 0;
    int growth = 0;
    archive >> rows >> columns >> growth;
    if (rows < 0 || columns < 0 || growth < 0 || ((rows == 0) != (columns == 0))) {
        archive.ThrowException(CArchiveException::genericException);
    }
    const std::uint64_t elements = static_cast<std::uint64_t>(rows) * static_cast<std::uint64_t>(columns);
    if (elements > archive.GetRemaining() / sizeof(double)) {
        archive.ThrowException(CArchiveException::endOfFile);
    }
    if (!SetSize(rows, columns, growth)) {
        archive.ThrowException(CArchiveException::genericException);
    }
    for (double& value : m_data) {
        archive >> value;
    }
}
