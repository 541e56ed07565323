#include "framework/geography/geo_map.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "framework/application/sable_win_app.h"
#include "framework/archive/safe_file.h"
#include "framework/colours/color.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"

namespace {

const char* const kItemsFormat =
    "Invalid number of items read %d different from required number %d on data line\r\n%s";
// Messages of values read from a file are completed with the line they stand in.
const char* const kDataLineSuffix = " in document data line\r\n%s";

[[noreturn]] void Refuse(const std::string& message) {
    DisplayErrorMessage(message);
    ThrowUserException();
}

bool EqualNoCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

// Reads a line the way scanf reads its directives: each conversion skips blanks first, and
// the number of items is the number of conversions that succeeded before the first failure.
class CLineScanner {
public:
    explicit CLineScanner(const std::string& line) : m_p(line.c_str()) {}

    bool Int(int& value) {
        if (m_failed) {
            return false;
        }
        SkipBlanks();
        const char* start = m_p;
        const char* q = m_p;
        if (*q == '+' || *q == '-') {
            ++q;
        }
        if (!std::isdigit(static_cast<unsigned char>(*q))) {
            return Fail();
        }
        errno = 0;
        char* end = nullptr;
        long parsed = std::strtol(start, &end, 10);
        if (errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) {
            return Fail();
        }
        value = static_cast<int>(parsed);
        m_p = end;
        return Succeed();
    }

    bool Double(double& value) {
        if (m_failed) {
            return false;
        }
        SkipBlanks();
        char* end = nullptr;
        double parsed = std::strtod(m_p, &end);
        if (end == m_p || !std::isfinite(parsed)) {
            return Fail();
        }
        value = parsed;
        m_p = end;
        return Succeed();
    }

    bool Word(std::string& word) {
        if (m_failed) {
            return false;
        }
        SkipBlanks();
        if (*m_p == '\0') {
            return Fail();
        }
        const char* start = m_p;
        while (*m_p != '\0' && !std::isspace(static_cast<unsigned char>(*m_p))) {
            ++m_p;
        }
        word.assign(start, m_p);
        return Succeed();
    }

    int Items() const { return m_items; }

private:
    void SkipBlanks() {
        while (*m_p != '\0' && std::isspace(static_cast<unsigned char>(*m_p))) {
            ++m_p;
        }
    }
    bool Fail() {
        m_failed = true;
        return false;
    }
    bool Succeed() {
        ++m_items;
        return true;
    }

    const char* m_p;
    int m_items = 0;
    bool m_failed = false;
};

// The data lines of a map file, comments skipped. Reaching the end where a line is needed is
// refused with the end-of-file message.
class CMapFileReader {
public:
    explicit CMapFileReader(const std::string& path) : m_path(path) {
        // A folder, device or pipe would never end (or never start) a line.
        CheckReadableRegularFile(path);
        m_in.open(path, std::ios::binary);
        if (!m_in) {
            throw CFileException::FromErrno(path, errno != 0 ? errno : ENOENT);
        }
    }

    const std::string& NextLine() {
        while (std::getline(m_in, m_line)) {
            if (!m_line.empty() && m_line.back() == '\r') {
                m_line.pop_back();
            }
            if (m_line.empty() || m_line[0] != ';') {
                return m_line;
            }
        }
        Refuse(FormatString("Error reading map file past end-of-file in map file %s", m_path.c_str()));
    }

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::ifstream m_in;
    std::string m_line;
};

struct SMapHeader {
    int objects = 0;
    int points = 0;
    bool fractional = false;
};

SMapHeader ReadHeader(CMapFileReader& reader) {
    const std::string& line = reader.NextLine();
    SMapHeader header;
    std::string mode;
    CLineScanner scan(line);
    (void)(scan.Int(header.objects) && scan.Int(header.points) && scan.Word(mode));
    if (scan.Items() < 2) {
        Refuse(FormatString(kItemsFormat, scan.Items(), 2, line.c_str()));
    }
    if (header.objects < 1 || static_cast<long long>(header.points) < 3LL * header.objects) {
        Refuse(FormatString("Invalid number of objects %ld or number of points %ld in map file %s",
                            static_cast<long>(header.objects), static_cast<long>(header.points),
                            reader.Path().c_str()));
    }
    if (scan.Items() == 3) {
        if (EqualNoCase(mode, "Fractional")) {
            header.fractional = true;
        } else if (!EqualNoCase(mode, "Integer")) {
            Refuse(FormatString(
                "Invalid map coordinate mode %s different from {integer, fractional} in map file %s",
                mode.c_str(), reader.Path().c_str()));
        }
    }
    return header;
}

[[noreturn]] void RefuseValue(const std::string& message, const std::string& line) {
    Refuse(message + FormatString(kDataLineSuffix, line.c_str()));
}

// Fractional degrees of a longitude (limit 180) or latitude (limit 90).
double DecodeFractionalDegrees(const std::string& text, int limit, const std::string& line) {
    errno = 0;
    char* end = nullptr;
    double value = std::strtod(text.c_str(), &end);
    bool valid = end != text.c_str() && *end == '\0' && errno != ERANGE && value >= -limit && value <= limit;
    if (!valid) {
        RefuseValue(FormatString("Invalide latitude or longitude %s out of valid range [%d, %d]",
                                 text.c_str(), -limit, limit),
                    line);
    }
    return value;
}

// One vertex line in view coordinates.
CIntPoint ReadVertex(CMapFileReader& reader, const SMapHeader& header, const CMapProjection& projection) {
    const std::string& line = reader.NextLine();
    CLineScanner scan(line);
    CIntPoint view;
    if (projection.IsGeographic()) {
        std::string longitude;
        std::string latitude;
        (void)(scan.Word(longitude) && scan.Word(latitude));
        if (scan.Items() < 2) {
            Refuse(FormatString(kItemsFormat, scan.Items(), 2, line.c_str()));
        }
        if (header.fractional) {
            double lon = DecodeFractionalDegrees(longitude, MAX_LONGITUDE, line);
            double lat = DecodeFractionalDegrees(latitude, MAX_LATITUDE, line);
            view = projection.FracWorldToView(lon, lat).Round();
        } else {
            CLonLatPoint world;
            std::string message;
            if (!DecodePackedCoordinate(longitude, false, world.m_lon, message) ||
                !DecodePackedCoordinate(latitude, true, world.m_lat, message)) {
                RefuseValue(message, line);
            }
            view = projection.WorldToView(world);
        }
    } else if (header.fractional) {
        double x = 0.0;
        double y = 0.0;
        (void)(scan.Double(x) && scan.Double(y));
        if (scan.Items() < 2) {
            Refuse(FormatString(kItemsFormat, scan.Items(), 2, line.c_str()));
        }
        view = projection.FracWorldToView(x, y).Round();
    } else {
        CLonLatPoint world;
        (void)(scan.Int(world.m_lon) && scan.Int(world.m_lat));
        if (scan.Items() < 2) {
            Refuse(FormatString(kItemsFormat, scan.Items(), 2, line.c_str()));
        }
        view = projection.WorldToView(world);
    }
    if (!projection.IsInViewLimits(view)) {
        const CIntRect& limits = projection.GetViewLimits();
        Refuse(FormatString(
            "Invalid map vertex (%d, %d) outside view limits (%d, %d) to (%d, %d) in data line\r\n%s", view.x,
            view.y, limits.left, limits.top, limits.right, limits.bottom, line.c_str()));
    }
    return view;
}

CMapPolygon ReadPolygon(CMapFileReader& reader, const SMapHeader& header, int remaining,
                        const CMapProjection& projection) {
    const std::string& line = reader.NextLine();
    int vertices = 0;
    std::string boundary;
    std::string area;
    CLineScanner scan(line);
    (void)(scan.Int(vertices) && scan.Word(boundary) && scan.Word(area));
    if (scan.Items() < 3) {
        Refuse(FormatString(kItemsFormat, scan.Items(), 3, line.c_str()));
    }
    if (vertices < 3 || vertices > remaining) {
        Refuse(
            FormatString("Invalid number of polygon vertex points %d out of valid range [%ld, %ld] in data "
                         "line\r\n\"%s\"",
                         vertices, 3L, static_cast<long>(remaining), line.c_str()));
    }
    int boundaryColor = DecodePaletteColor(boundary);
    if (boundaryColor < 0) {
        Refuse(FormatString("Invalid boundary or area color %s in data line\r\n%s", boundary.c_str(),
                            line.c_str()));
    }
    int areaColor = DecodePaletteColor(area);
    if (areaColor < 0) {
        Refuse(
            FormatString("Invalid boundary or area color %s in data line\r\n%s", area.c_str(), line.c_str()));
    }
    CMapPolygon polygon(boundaryColor, areaColor);
    for (int i = 0; i < vertices; ++i) {
        polygon.AddVertex(ReadVertex(reader, header, projection));
    }
    return polygon;
}

} // namespace

int CGeoMap::GetNumberOfPoints() const {
    int points = 0;
    for (const CMapPolygon& polygon : m_polygons) {
        points += polygon.GetVertexCount();
    }
    return points;
}

void CGeoMap::Import(const std::string& path, const CMapProjection& projection) {
    Clear();
    CMapFileReader reader(path);
    SMapHeader header = ReadHeader(reader);
    std::vector<CMapPolygon> polygons;
    int remaining = header.points;
    for (int object = 0; object < header.objects; ++object) {
        polygons.push_back(ReadPolygon(reader, header, remaining, projection));
        remaining -= polygons.back().GetVertexCount();
    }
    m_polygons = std::move(polygons);
}

void CGeoMap::CheckMapFile(const std::string& path) {
    CMapFileReader reader(path);
    (void)ReadHeader(reader);
}

void CGeoMap::Export(const std::string& path, const CMapProjection& projection) const {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        throw CFileException::FromErrno(path, errno);
    }
    bool geographic = projection.IsGeographic();
    std::fprintf(file, "%d %d %s\n", GetSize(), GetNumberOfPoints(), geographic ? "Fractional" : "Integer");
    for (const CMapPolygon& polygon : m_polygons) {
        std::fprintf(file, "%d %s %s\n", polygon.GetVertexCount(),
                     GetPaletteColorName(polygon.GetBoundaryColor()).c_str(),
                     GetPaletteColorName(polygon.GetAreaColor()).c_str());
        for (const CIntPoint& vertex : polygon.GetVertices()) {
            if (geographic) {
                CRealPoint world = projection.ViewToFracWorld(CRealPoint(vertex));
                std::fprintf(file, "%.6lf %.6lf\n", world.x, world.y);
            } else {
                CLonLatPoint world = projection.ViewToWorld(vertex);
                std::fprintf(file, "%d %d\n", world.m_lon, world.m_lat);
            }
        }
    }
    bool failed = std::ferror(file) != 0;
    int error = errno;
    if (std::fclose(file) != 0 || failed) {
        throw CFileException::FromErrno(path, error != 0 ? error : EIO);
    }
}
