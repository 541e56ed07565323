// Serialize of the projections and the background map.
#include <cstdint>

#include "framework/archive/archive.h"
#include "framework/colours/color.h"
#include "framework/geography/geo_map.h"
#include "framework/geography/map_projection.h"

void CMapProjection::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive << m_worldLimits.m_west << m_worldLimits.m_south << m_worldLimits.m_east
                << m_worldLimits.m_north << m_viewLimits << m_worldRadius
                << static_cast<std::int32_t>(m_initialized ? 1 : 0);
        return;
    }
    CLonLatRect world;
    CIntRect view;
    double radius = 0.0;
    std::int32_t initialized = 0;
    archive >> world.m_west >> world.m_south >> world.m_east >> world.m_north >> view >> radius >>
        initialized;
    if (initialized == 0) {
        Reset();
        return;
    }
    // The plane's placement and scale follow from the limits and the radius.
    CIntRect computed;
    Initialize(world, radius, computed);
}

void CGeoMap::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteCount(m_polygons.size());
        for (const CMapPolygon& polygon : m_polygons) {
            archive << static_cast<std::int32_t>(polygon.GetBoundaryColor())
                    << static_cast<std::int32_t>(polygon.GetAreaColor());
            archive.WriteCount(polygon.GetVertices().size());
            for (const CIntPoint& vertex : polygon.GetVertices()) {
                archive << vertex;
            }
        }
        return;
    }
    m_polygons.clear();
    // Counts are only trusted as far as the bytes behind them go: every item is read one by one.
    const std::uint64_t polygons = archive.ReadCount();
    for (std::uint64_t i = 0; i < polygons; ++i) {
        std::int32_t boundary = 0;
        std::int32_t area = 0;
        archive >> boundary >> area;
        // The colours are palette indices: anything else could not be drawn and becomes black.
        if (boundary < 0 || boundary >= NUMBER_OF_COLORS) {
            boundary = COLOR_BLACK;
        }
        if (area < 0 || area >= NUMBER_OF_COLORS) {
            area = COLOR_BLACK;
        }
        CMapPolygon polygon(boundary, area);
        const std::uint64_t vertices = archive.ReadCount();
        if (vertices > archive.GetRemaining() / 8) {
            archive.ThrowException(CArchiveException::endOfFile);
        }
        for (std::uint64_t k = 0; k < vertices; ++k) {
            CIntPoint vertex;
            archive >> vertex;
            polygon.AddVertex(vertex);
        }
        m_polygons.push_back(std::move(polygon));
    }
}
