#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "framework/containers/double_matrix.h"
#include "framework/geography/lon_lat.h"
#include "model/distances/distance_norms.h"

// What a link edit did.
enum class ELinkEditResult {
    unchanged, // both values within the tolerance of the stored ones
    stored,    // both values stored
    refused,   // a value was refused with its message; nothing stored (the dialog stays open)
};

// The project's distances: the n x n matrix (row i, column j is the distance from facility i to
// facility j in the project numbering) and the asymmetry flag. The document holds one and passes
// the facilities' world locations in project order and the distance settings.
class CDistanceData {
public:
    CDoubleMatrix& GetMatrix() { return m_distances; }
    const CDoubleMatrix& GetMatrix() const { return m_distances; }
    int GetNumberFacilities() const { return m_distances.GetNumberRows(); }
    // Unchecked element access, as the algorithms read it.
    double GetDistance(int from, int to) const { return m_distances[from][to]; }
    void SetDistance(int from, int to, double distance) { m_distances[from][to] = distance; }

    // The asymmetry flag (0 or 1 in the files); Symmetric Distances is enabled while it is set.
    bool IsAsymmetric() const { return m_asymmetric; }
    int GetAsymmetricFlag() const { return m_asymmetric ? 1 : 0; }
    void SetAsymmetric(bool asymmetric) { m_asymmetric = asymmetric; }
    bool IsSymmetricDistancesEnabled() const { return m_asymmetric; }

    // n x n zeros (an import sizes the matrix before reading it); 0 empties it.
    void SetSize(int numberFacilities);
    // Grows or shrinks to n x n keeping the entries that stay inside; new entries are 0.
    void Resize(int numberFacilities);
    // The empty matrix and a cleared flag.
    void Clear();
    // A facility takes number index (0 to n): a zero row and column are inserted there and the
    // other entries move with their facilities. Outside the range: std::invalid_argument.
    void InsertFacility(int index);
    // The facility with number index leaves: its row and column are removed.
    void RemoveFacility(int index);

    // Computes d(i, j) for every i before j in project order under the norm and sets d(j, i) to
    // the same value; the diagonal is not written. Nothing is done with fewer than two facilities.
    // The matrix is sized to the number of locations when it has another size.
    // Transportation_Network goes through the road network (no distance factor) with a progress
    // window, and afterwards sets the flag when a pair differs by more than the tolerance.
    // Externally_Specified (or another value) raises a user exception without a message; a
    // refused coordinate or a missing road network raises one after its message, leaving the
    // matrix as it was; a road network that fails midway leaves the distances computed before.
    // At report level Debug, with an output log open, the log receives the matrix.
    // The caller numbers the facilities and marks the document modified.
    void ComputeAllDistances(const std::vector<CLonLatPoint>& locations, const SDistanceSettings& settings);

    // Computes the row and the column of one facility against all others by the same rules
    // (used when a depot is added). A matrix of another size is first resized keeping its
    // entries; a facility outside the locations is refused with std::invalid_argument.
    void ComputeFacilityDistances(int facility, const std::vector<CLonLatPoint>& locations,
                                  const SDistanceSettings& settings);

    // Whether some pair differs by more than the tolerance times d(i, j), i before j.
    bool HasAsymmetricPair(double tolerance) const;
    // After the All Distances dialog ends with OK: the flag becomes whether any d(i, j) != d(j, i).
    bool UpdateAsymmetryFlag();

    // Reflects the upper triangle onto the lower one and clears the flag.
    void MakeSymmetric();
    // The Symmetric Distances command: asks, and on Yes makes the matrix symmetric. Returns true
    // when it did (the caller marks the document modified and redraws the views).
    bool OnSymmetricDistances();

    // OK of the link dialog for facilities a and b (different numbers): the entered texts of
    // d(a, b) and d(b, a); with oneValue the backward value is the forward one. Values that each
    // lie within the tolerance of the stored ones change nothing; otherwise each is validated
    // against [0, maxDistance] (message box on refusal) and both are stored, setting the flag when
    // they differ. On stored the caller marks the document modified and redraws the views.
    ELinkEditResult EditLink(int a, int b, const std::string& forwardText, const std::string& backwardText,
                             bool oneValue, double maxDistance, double tolerance);

    // "\n\nDistances\n\n" and the matrix in the report layout ("%8.2lf", width 10, line length 80,
    // indices from 1).
    void WriteDistanceReport(std::FILE* file) const;

private:
    void CheckLocations(const std::vector<CLonLatPoint>& locations) const;
    void ComputeRoadDistances(const std::vector<CLonLatPoint>& locations, const SDistanceSettings& settings,
                              int onlyFacility);
    void WriteDebugReport(const SDistanceSettings& settings) const;

    CDoubleMatrix m_distances;
    bool m_asymmetric = false;
};

// Texts of the link dialog, from the type names and labels of the two facilities.
std::string FormatLinkDialogTitle(const std::string& fromType, const std::string& fromLabel,
                                  const std::string& toType, const std::string& toLabel);
std::string FormatLinkDialogLabel(const std::string& fromType, const std::string& fromLabel,
                                  const std::string& toType, const std::string& toLabel);

// The title of the progress window of a road-network computation.
extern const char* const kRoadNetworkProgressTitle;
