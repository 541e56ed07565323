// The framework part of the project archive (CSableDocument::Serialize).
#include <cstdint>

#include "framework/application/sable_document.h"
#include "framework/application/sable_win_app.h"
#include "framework/archive/archive.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"

namespace {

// Data versions from which the fields are stored.
constexpr unsigned kVersionWorldRadius = 20001; // world radius, world limits, background map
constexpr unsigned kVersionProjections = 20004; // the three projection objects
constexpr unsigned kVersionDistanceFactor = 20006;
constexpr unsigned kVersionDistanceNorm = 20007;
constexpr unsigned kVersionSummaryStrings = 20012; // manager, company, category

// The help numbers the display-size parameters always have (those of a new project).
constexpr unsigned kGridSizeHelpID = 0;
constexpr unsigned kLabelSizeHelpID = 0;
constexpr unsigned kVertexSizeHelpID = 0;

// The first four bytes of a scalar data file ("[project_name]", "[data_version]", "[case...]")
// read as a data version.
constexpr std::uint32_t FourCharacters(const char (&text)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[0])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[3])) << 24;
}

bool IsScalarDataFileStart(std::uint32_t version) {
    return version == FourCharacters("[pro") || version == FourCharacters("[dat") ||
           version == FourCharacters("[cas");
}

} // namespace

void CSableDocument::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        m_dataVersion = DATA_VERSION_CURRENT;
        archive << static_cast<std::uint32_t>(m_dataVersion) << static_cast<std::uint32_t>(m_docStatus);
        archive << m_title << m_author << m_subject << m_keywords << m_description;
        archive << m_viewLimits;
        archive << static_cast<std::int32_t>(m_mapProjectionType);
        archive << m_mapFileName;
        archive << m_worldRadius << m_distanceFactor;
        m_gridSize.Serialize(archive);
        m_labelSize.Serialize(archive);
        m_vertexSize.Serialize(archive);
        m_maxIterations.Serialize(archive);
        m_reportLevel.Serialize(archive);
        m_seed.Serialize(archive);
        m_timeLimit.Serialize(archive);
        m_tolerance.Serialize(archive);
        archive << m_worldLimits.m_west << m_worldLimits.m_south << m_worldLimits.m_east
                << m_worldLimits.m_north;
        m_mercatorProjection.Serialize(archive);
        m_albersProjection.Serialize(archive);
        m_orthogonalProjection.Serialize(archive);
        m_geoMap.Serialize(archive);
        m_distanceNorm.Serialize(archive);
        archive << m_manager << m_company << m_category;
        return;
    }

    std::uint32_t version = 0;
    archive >> version;
    if (IsScalarDataFileStart(version)) {
        DisplayErrorMessage(
            FormatString("Illegal attempt to open the ASCII text file %s with the Open command.  "
                         "\nUse the Import command instead.",
                         archive.GetFileName().c_str()));
        ThrowUserException();
    }
    if (version < DATA_VERSION_OLDEST || version > DATA_VERSION_CURRENT) {
        archive.ThrowException(CArchiveException::badSchema);
    }
    m_dataVersion = version;

    std::uint32_t status = 0;
    archive >> status;
    // A project saved by the program is never in the middle of a run.
    m_docStatus = status & ~static_cast<std::uint32_t>(DS_ALGORITHM_RUNNING);
    archive >> m_title >> m_author >> m_subject >> m_keywords >> m_description;
    archive >> m_viewLimits;
    std::int32_t projection = 0;
    archive >> projection;
    // An unknown projection type leaves the project rectangular.
    if (projection >= 0 && projection < MP_COUNT) {
        SetMapProjectionType(static_cast<MP_TYPE>(projection));
    }
    archive >> m_mapFileName;

    m_worldRadius = WORLDRADIUS_KM;
    m_distanceFactor = 1.0;
    if (version >= kVersionWorldRadius) {
        archive >> m_worldRadius;
        if (version >= kVersionDistanceFactor) {
            archive >> m_distanceFactor;
        }
    }

    m_gridSize.Serialize(archive);
    m_labelSize.Serialize(archive);
    m_vertexSize.Serialize(archive);
    m_maxIterations.Serialize(archive);
    m_reportLevel.Serialize(archive);
    m_seed.Serialize(archive);
    m_timeLimit.Serialize(archive);
    m_tolerance.Serialize(archive);
    m_gridSize.SetHelpContextID(kGridSizeHelpID);
    m_labelSize.SetHelpContextID(kLabelSizeHelpID);
    m_vertexSize.SetHelpContextID(kVertexSizeHelpID);

    if (version >= kVersionWorldRadius) {
        archive >> m_worldLimits.m_west >> m_worldLimits.m_south >> m_worldLimits.m_east >>
            m_worldLimits.m_north;
    }
    if (version >= kVersionProjections) {
        m_mercatorProjection.Serialize(archive);
        m_albersProjection.Serialize(archive);
        m_orthogonalProjection.Serialize(archive);
    } else if (m_mapProjectionType != MP_ORTHOGONAL) {
        if (version >= kVersionWorldRadius) {
            m_mercatorProjection.Serialize(archive);
            m_albersProjection.Serialize(archive);
        }
    } else {
        // Before the projection objects a rectangular project had only its view limits (files of
        // the first version stored no world limits at all): the world is the view.
        m_worldLimits =
            CLonLatRect(m_viewLimits.left, m_viewLimits.top, m_viewLimits.right, m_viewLimits.bottom);
        CIntRect computed;
        m_orthogonalProjection.Initialize(m_worldLimits, m_worldRadius, computed);
    }
    if (version >= kVersionWorldRadius) {
        m_geoMap.Serialize(archive);
    }

    if (version >= kVersionDistanceNorm) {
        m_distanceNorm.Serialize(archive);
    } else {
        m_distanceNorm.SetNorm(DN_EUCLIDEAN);
    }
    if (version >= kVersionSummaryStrings) {
        archive >> m_manager >> m_company >> m_category;
    } else {
        m_manager.clear();
        m_company.clear();
        m_category.clear();
    }
}
