#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/export.h"
#include "framework/geography/lon_lat.h"
#include "framework/geography/map_canvas.h"
#include "framework/geography/map_projection.h"

// One polygon of a background map: boundary and area colour (palette indices) and its
// vertices in view coordinates.
class SABLEKIT_API CMapPolygon {
public:
    CMapPolygon() = default;
    CMapPolygon(int boundaryColor, int areaColor, std::vector<CIntPoint> vertices = {})
        : m_boundaryColor(boundaryColor), m_areaColor(areaColor), m_vertices(std::move(vertices)) {}

    int GetBoundaryColor() const { return m_boundaryColor; }
    int GetAreaColor() const { return m_areaColor; }
    void SetBoundaryColor(int color) { m_boundaryColor = color; }
    void SetAreaColor(int color) { m_areaColor = color; }

    const std::vector<CIntPoint>& GetVertices() const { return m_vertices; }
    int GetVertexCount() const { return static_cast<int>(m_vertices.size()); }
    const CIntPoint& GetVertex(int i) const { return m_vertices[static_cast<size_t>(i)]; }
    void AddVertex(const CIntPoint& vertex) { m_vertices.push_back(vertex); }

    bool operator==(const CMapPolygon&) const = default;

private:
    int m_boundaryColor = 0;
    int m_areaColor = 0;
    std::vector<CIntPoint> m_vertices;
};

// The background map of a project: polygons read from a map file.
//
// Map file: lines starting with ";" are comments anywhere. A header "objects points [mode]"
// (mode "Integer", the default, or "Fractional", in any letter case); then per object a line
// "vertices boundary-colour area-colour" followed by one line per vertex with the world
// coordinates: packed DDDMMSS longitude and latitude (integer mode) or fractional degrees
// (fractional mode) in a geographic project, x and y in a rectangular one.
class CArchive;

class SABLEKIT_API CGeoMap {
public:
    int GetSize() const { return static_cast<int>(m_polygons.size()); }
    bool IsEmpty() const { return m_polygons.empty(); }
    const CMapPolygon& GetPolygon(int i) const { return m_polygons[static_cast<size_t>(i)]; }
    const std::vector<CMapPolygon>& GetPolygons() const { return m_polygons; }
    // The number of vertices of all polygons.
    int GetNumberOfPoints() const;
    void Add(CMapPolygon polygon) { m_polygons.push_back(std::move(polygon)); }
    void Clear() { m_polygons.clear(); }

    // Replaces the polygons with those of the map file, converted to view coordinates by the
    // projection (which must be initialised) and tested against its view limits. Any refusal
    // shows its message and raises a CUserException; a file that cannot be opened raises a
    // CFileException. On failure the map is left empty.
    void Import(const std::string& path, const CMapProjection& projection);
    // Writes the polygons as a map file that Import reads back: integer mode with x and y for
    // a rectangular projection, fractional mode with longitude and latitude ("%.6lf") for a
    // geographic one. A file that cannot be written raises a CFileException.
    void Export(const std::string& path, const CMapProjection& projection) const;

    // Reads only the header of a map file and applies its checks (refusals as Import).
    static void CheckMapFile(const std::string& path);

    // Draws the polygons in file order on the canvas in the style, always with their boundary;
    // an unknown style draws them as DMS_FILLED.
    void Draw(CMapCanvas& canvas, DRAWMAPSTYLE style) const;

    bool operator==(const CGeoMap&) const = default;

    // ---- binary archive: the number of polygons (count), then per polygon its boundary and
    // area colours (2 ints), the number of vertices (count) and the vertices (x, y ints).
    void Serialize(CArchive& archive);
    // ---- end of binary archive ----

private:
    std::vector<CMapPolygon> m_polygons;
};
