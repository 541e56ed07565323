#pragma once

#include <string>

#include "framework/application/distance_norm.h"
#include "framework/export.h"
#include "framework/geography/geo_map.h"
#include "framework/geography/lon_lat.h"
#include "framework/geography/map_projection.h"
#include "framework/parameters/double_parameter.h"
#include "framework/parameters/long_parameter.h"

// Bits of the document status word.
enum DS_ID : unsigned {
    DS_ALGORITHM_RUNNING = 1u << 2,
    DS_EDITING = 1u << 4,
    DS_ADDING = 1u << 5,
    DS_DELETING = 1u << 6,
    DS_ZOOMING = 1u << 7,
    DS_FINDING_NODE = 1u << 8,
    DS_FINDING_LINK_FROM = 1u << 9,
    DS_FINDING_LINK_TO = 1u << 10,
};

// The document base: project summary strings, status word, the common parameters, the
// geometry of the world, and the control of a running algorithm. It registers itself with
// the application as the one open document.
class CArchive;

class SABLEKIT_API CSableDocument {
public:
    CSableDocument();
    virtual ~CSableDocument();
    CSableDocument(const CSableDocument&) = delete;
    CSableDocument& operator=(const CSableDocument&) = delete;

    // Modified flag and path, as the platform's document keeps them.
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }
    const std::string& GetPathName() const { return m_pathName; }
    void SetPathName(const std::string& path) { m_pathName = path; }

    // Summary strings.
    const std::string& GetDocTitle() const { return m_title; }
    void SetDocTitle(const std::string& title) { m_title = title; }
    std::string m_author, m_manager, m_company, m_subject, m_category, m_keywords, m_description, m_comment;

    unsigned GetDataVersion() const { return m_dataVersion; }
    void SetDataVersion(unsigned version) { m_dataVersion = version; }

    // Status word.
    unsigned GetDocStatus() const { return m_docStatus; }
    void SetDocStatus(unsigned status) { m_docStatus = status; }
    bool TestStatus(unsigned bits) const { return (m_docStatus & bits) != 0; }
    void SetStatusBits(unsigned bits, bool on);
    bool IsEditing() const { return TestStatus(DS_EDITING); }
    bool IsAdding() const { return TestStatus(DS_ADDING); }
    bool IsDeleting() const { return TestStatus(DS_DELETING); }
    bool IsZooming() const { return TestStatus(DS_ZOOMING); }
    bool IsFindingNode() const { return TestStatus(DS_FINDING_NODE); }
    bool IsFindingLink() const { return TestStatus(DS_FINDING_LINK_FROM | DS_FINDING_LINK_TO); }

    // Common parameters.
    CLongParameter& MaxIterationsParameter() { return m_maxIterations; }
    CLongParameter& LabelSizeParameter() { return m_labelSize; }
    CLongParameter& GridSizeParameter() { return m_gridSize; }
    CLongParameter& VertexSizeParameter() { return m_vertexSize; }
    CReportLevel& ReportLevelParameter() { return m_reportLevel; }
    CSeed& SeedParameter() { return m_seed; }
    CDoubleParameter& TimeLimitParameter() { return m_timeLimit; }
    CDoubleParameter& ToleranceParameter() { return m_tolerance; }

    int GetReportLevel() const { return m_reportLevel.GetValue(); }
    bool SetReportLevel(int level) { return m_reportLevel.SetValue(level); }
    int GetSeed() const { return m_seed.GetValue(); }
    bool SetSeed(int seed) { return m_seed.SetValue(seed); }
    double GetTimeLimit() const { return m_timeLimit.GetValue(); }
    bool SetTimeLimit(double seconds) { return m_timeLimit.SetValue(seconds); }
    double GetTolerance() const { return m_tolerance.GetValue(); }
    bool SetTolerance(double tolerance) { return m_tolerance.SetValue(tolerance); }
    int GetMaxIterations() const { return m_maxIterations.GetValue(); }
    bool SetMaxIterations(int iterations) { return m_maxIterations.SetValue(iterations); }
    int GetDefaultLabelSize() const { return m_labelSize.GetValue(); }
    int GetDefaultGridSize() const { return m_gridSize.GetValue(); }
    int GetDefaultVertexSize() const { return m_vertexSize.GetValue(); }

    // The values a new project gets: the common parameters with their captions and ranges,
    // and the display sizes from the view limits.
    void InitializeCommonParameters();
    void InitializeDisplaySizes();

    // Report-level commands (1 to 5) and the parameter edit commands.
    void OnReportLevel(int level);
    void OnEditReportLevel();
    void OnEditSeed();
    void OnEditMaxIterations();
    void OnEditTimeLimit();
    void OnEditTolerance();

    // Geometry of the world.
    const CDistanceNorm& GetDistanceNorm() const { return m_distanceNorm; }
    void SetDistanceNorm(EDISTANCENORM norm) { m_distanceNorm.SetNorm(norm); }
    const char* GetDistanceNormName() const { return m_distanceNorm.GetName(); }
    double GetWorldRadius() const { return m_worldRadius; }
    void SetWorldRadius(double radius) { m_worldRadius = radius; }
    double GetDistanceFactor() const { return m_distanceFactor; }
    void SetDistanceFactor(double factor) { m_distanceFactor = factor; }
    const CLonLatRect& GetWorldLimits() const { return m_worldLimits; }
    void SetWorldLimits(const CLonLatRect& limits) { m_worldLimits = limits; }
    const CIntRect& GetViewLimits() const { return m_viewLimits; }
    void SetViewLimits(const CIntRect& limits) { m_viewLimits = limits; }
    const std::string& GetDistanceFileName() const { return m_distanceFileName; }
    void SetDistanceFileName(const std::string& name) { m_distanceFileName = name; }

    // ---- Map projection and background map ----
    // One projection object of each kind; the projection type names the current one
    // (Orthogonal on a new project).
    MP_TYPE GetMapProjectionType() const { return m_mapProjectionType; }
    // A type outside the range is ignored.
    void SetMapProjectionType(MP_TYPE type);
    bool IsGeographicProjection() const { return m_mapProjectionType != MP_ORTHOGONAL; }
    CMapProjection& GetMapProjection();
    const CMapProjection& GetMapProjection() const;
    CMapProjection& GetMapProjection(MP_TYPE type);
    COrthogonalProjection& GetOrthogonalProjection() { return m_orthogonalProjection; }
    CMercatorProjection& GetMercatorProjection() { return m_mercatorProjection; }
    CAlbersProjection& GetAlbersProjection() { return m_albersProjection; }
    // Sets the current projection up for the world limits and the world radius and takes its
    // view limits (refusals as CMapProjection::Initialize; the view limits then stay).
    void InitializeMapProjection();
    // Forward to the current projection.
    void WorldToView(const CLonLatPoint* world, CIntPoint* view, int count) const;
    void ViewToWorld(const CIntPoint* view, CLonLatPoint* world, int count) const;
    CIntPoint WorldToView(const CLonLatPoint& world) const;
    CLonLatPoint ViewToWorld(const CIntPoint& view) const;
    CGeoMap& GetGeoMap() { return m_geoMap; }
    const CGeoMap& GetGeoMap() const { return m_geoMap; }
    const std::string& GetMapFileName() const { return m_mapFileName; }
    void SetMapFileName(const std::string& name) { m_mapFileName = name; }
    // ---- end of map projection and background map ----

    // Algorithm control.
    void SetIsAlgorithmRunning(bool running);
    bool IsAlgorithmRunning() const { return TestStatus(DS_ALGORITHM_RUNNING); }
    virtual void EnableAbortAlgorithm();
    virtual void DisableAbortAlgorithm();
    int GetAbortNesting() const { return m_abortNesting; }
    double GetStopTime() const { return m_stopTime; }
    void SetStopTime(double stopTime) { m_stopTime = stopTime; }
    void CheckAlgorithmContinuation();
    void PauseAlgorithm();
    [[noreturn]] void AbortAlgorithm();

    virtual bool EditTimeLimit();
    virtual bool EditReportLevel();
    virtual void Reset();
    virtual void Clear();
    virtual void RedrawAllViews();
    virtual void RedrawAllGraphicalViews();

    // ---- binary archive ----
    // The framework part of the project archive: data version (written as the document's data
    // version), status word, summary strings, view limits, projection, map file name, world radius
    // and distance factor, the common parameters, world limits, the projection objects, the
    // background map, the distance norm and the manager, company and category strings, each read
    // only from the data version that stores it (older versions get the defaults). A scalar data
    // file opened as an archive is refused with its message and a user exception, a data version
    // below 20000 (or above the newest) with a bad-schema archive exception.
    virtual void Serialize(CArchive& archive);
    // The newest data version, the one that is written.
    static constexpr unsigned DATA_VERSION_CURRENT = 20014;
    static constexpr unsigned DATA_VERSION_OLDEST = 20000;
    // ---- end of binary archive ----

private:
    [[noreturn]] void RaiseAborted();

    bool m_modified = false;
    std::string m_pathName;
    std::string m_title;
    unsigned m_dataVersion = 0;
    unsigned m_docStatus = 0;

    CLongParameter m_maxIterations;
    CLongParameter m_labelSize;
    CLongParameter m_gridSize;
    CLongParameter m_vertexSize;
    CReportLevel m_reportLevel;
    CSeed m_seed;
    CDoubleParameter m_timeLimit;
    CDoubleParameter m_tolerance;

    CDistanceNorm m_distanceNorm;
    double m_worldRadius = 6371.0;
    double m_distanceFactor = 1.0;
    CLonLatRect m_worldLimits;
    CIntRect m_viewLimits;
    std::string m_distanceFileName;

    // What Clear and Reset both do: the properties, limits, distance settings, run state and
    // map back to a new document's.
    void ClearProperties();
    // Calls action on each common parameter (replications, display sizes, report level, seed,
    // time limit, tolerance).
    template <class Action> void ForEachCommonParameter(Action action);

    // ---- Map projection and background map ----
    void ClearMapProjectionAndMap();
    MP_TYPE m_mapProjectionType = MP_ORTHOGONAL;
    COrthogonalProjection m_orthogonalProjection;
    CMercatorProjection m_mercatorProjection;
    CAlbersProjection m_albersProjection;
    CGeoMap m_geoMap;
    std::string m_mapFileName;
    // ---- end of map projection and background map ----

    double m_stopTime = 0.0;
    int m_abortNesting = 0;
};
