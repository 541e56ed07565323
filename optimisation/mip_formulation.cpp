#include "optimisation/mip_formulation.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/platform/user_interface.h"
#include "model/tramlet_doc.h"
#include "optimisation/mip_model.h"
#include "runs/run_frame.h"

namespace {

// Text collected in a buffer and handed to the file in large pieces. The model of a project of
// a few hundred facilities has millions of terms, so whole numbers are formatted by hand.
class CModelText {
public:
    explicit CModelText(std::FILE* file) : m_file(file) { m_buffer.reserve(kFlushSize + 256); }
    ~CModelText() { Flush(); }

    CModelText& operator<<(const char* text) {
        m_buffer += text;
        return MaybeFlush();
    }
    CModelText& operator<<(const std::string& text) {
        m_buffer += text;
        return MaybeFlush();
    }
    CModelText& operator<<(char c) {
        m_buffer += c;
        return *this;
    }
    // "%d".
    CModelText& operator<<(int value) {
        char digits[12];
        char* end = digits + sizeof digits;
        char* p = end;
        unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
        do {
            *--p = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (value < 0) {
            *--p = '-';
        }
        m_buffer.append(p, end);
        return *this;
    }
    // "x(%d,%d,%d)".
    CModelText& Arc(int i, int j, int k) { return *this << "x(" << i << ',' << j << ',' << k << ')'; }
    // "(%d,%d)" and "(%d,%d,%d)" after a name.
    CModelText& Index(int i, int j) { return *this << '(' << i << ',' << j << ')'; }
    CModelText& Index(int i, int j, int k) { return *this << '(' << i << ',' << j << ',' << k << ')'; }

    void Flush() {
        if (!m_buffer.empty()) {
            std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file);
            m_buffer.clear();
        }
    }

private:
    static constexpr size_t kFlushSize = 1 << 20;
    CModelText& MaybeFlush() {
        if (m_buffer.size() >= kFlushSize) {
            Flush();
        }
        return *this;
    }

    std::FILE* m_file;
    std::string m_buffer;
};

// The model text, written item by item. Node numbers are those of CMipNodes; the distance
// between two nodes is taken between their facilities (node 0 and E are the depot).
class CLPFormulationWriter {
public:
    CLPFormulationWriter(const CTramletDoc& document, std::FILE* file)
        : m_doc(document), m_out(file), m_nodes(document), m_E(m_nodes.GetEndNode()),
          m_m(m_nodes.GetNumberOfVehicles()), m_C(document.GetVehicleCapacity()) {}

    void Write() {
        WriteObjective();
        WriteFacilityService();
        WriteRouteCount();
        WriteVehicleFlows();
        WriteLoadIncrements(1, m_nodes.GetNumberOfCustomers(), "lineload_increment", "ql");
        WriteLoadIncrements(m_nodes.GetNumberOfCustomers() + 1, m_E - 1, "backload_increment", "qb");
        WriteLoadBounds();
        WriteRequiredRoutes();
        WriteSymmetryBreaking();
        WriteObjectiveBounds();
        WriteBinaries();
        m_out << "end\n";
        m_out.Flush();
    }

private:
    int LastCustomer() const { return m_nodes.GetNumberOfCustomers(); }
    int FirstSupplier() const { return m_nodes.GetNumberOfCustomers() + 1; }
    // Every customer and supplier node.
    int LastFacilityNode() const { return m_E - 1; }

    int FacilityNumber(int node) const {
        return node == 0 || node == m_E ? m_nodes.GetDepotNumber() : node - 1;
    }
    double Distance(int from, int to) const {
        return m_doc.GetDistance(FacilityNumber(from), FacilityNumber(to));
    }
    int Quantity(int node) const { return m_doc.GetFacility(node - 1)->GetQuantity(); }

    // "%s x(%d,%d,%d)\t".
    void Term(const char* sign, int i, int j, int k) {
        m_out << sign << ' ';
        m_out.Arc(i, j, k) << '\t';
    }
    // The term of arc (i, j) for every vehicle.
    void Terms(const char* sign, int i, int j) {
        for (int k = 1; k <= m_m; ++k) {
            Term(sign, i, j, k);
        }
    }
    // "+ %.3lf x(%d,%d,%d)\t" for every vehicle, then "\n".
    void DistanceTerms(int i, int j) {
        char coefficient[64];
        std::snprintf(coefficient, sizeof coefficient, "+ %.3lf ", Distance(i, j));
        for (int k = 1; k <= m_m; ++k) {
            m_out << coefficient;
            m_out.Arc(i, j, k) << '\t';
        }
        m_out << '\n';
    }

    void WriteObjective() {
        m_out << "Min total_length\ns.t.\nsum_lengths: \n";
        for (int j = 1; j <= LastFacilityNode(); ++j) {
            DistanceTerms(0, j);
        }
        m_out << '\n';
        for (int i = 1; i <= LastFacilityNode(); ++i) {
            m_nodes.GetSuccessors(i, m_successors);
            for (int j : m_successors) {
                DistanceTerms(i, j);
            }
            m_out << '\n';
        }
        m_out << "- total_length = 0\n\n";
    }

    // Each facility is left exactly once.
    void WriteFacilityService() {
        for (int j = 1; j <= LastFacilityNode(); ++j) {
            m_out << "facility_service(" << j << "):\n";
            m_nodes.GetSuccessors(j, m_successors);
            for (int s : m_successors) {
                Terms("+", j, s);
                m_out << '\n';
            }
            m_out << "= 1\n\n";
        }
    }

    void WriteRouteCount() {
        m_out << "route_count:\n";
        for (int j = 1; j <= m_E; ++j) {
            Terms("+", 0, j);
            m_out << '\n';
        }
        m_out << "<= " << m_m << "\n\n";
    }

    void WriteVehicleFlows() {
        for (int k = 1; k <= m_m; ++k) {
            m_out << "vehicle_depart_depot(" << k << "):\n";
            for (int j = 1; j <= m_E; ++j) {
                Term("+", 0, j, k);
            }
            m_out << "= 1\n";
            for (int j = 1; j <= LastFacilityNode(); ++j) {
                m_out << "vehicle_flow_conservation";
                m_out.Index(j, k) << ":\n";
                Term("+", 0, j, k);
                m_nodes.GetPredecessors(j, m_predecessors);
                for (int i : m_predecessors) {
                    Term("+", i, j, k);
                }
                m_out << '\n';
                m_nodes.GetSuccessors(j, m_successors);
                for (int s : m_successors) {
                    Term("-", j, s, k);
                }
                m_out << "= 0\n";
            }
            m_out << "vehicle_return_depot(" << k << "):\n";
            Term("+", 0, m_E, k);
            for (int i = 1; i <= LastFacilityNode(); ++i) {
                Term("+", i, m_E, k);
            }
            m_out << "= 1\n\n";
        }
    }

    // The load after j is at least the load after i plus q(j) when vehicle k drives from i to j:
    // "%s(%d,%d,%d): %s(%d,%d) - %s(%d,%d) + %d x(%d,%d,%d) <= %d\n".
    void WriteLoadIncrements(int first, int last, const char* name, const char* load) {
        for (int j = first; j <= last; ++j) {
            int residual = m_C - Quantity(j);
            for (int i = first; i <= last; ++i) {
                if (i == j) {
                    continue;
                }
                for (int k = 1; k <= m_m; ++k) {
                    m_out << name;
                    m_out.Index(i, j, k) << ": " << load;
                    m_out.Index(i, k) << " - " << load;
                    m_out.Index(j, k) << " + " << m_C << ' ';
                    m_out.Arc(i, j, k) << " <= " << residual << '\n';
                }
            }
        }
    }

    // "%s(%d,%d): %s(%d,%d) %s %d\n" for each facility of a kind and each vehicle.
    void WriteLoadBound(int first, int last, const char* name, const char* load, const char* relation,
                        bool quantity) {
        for (int j = first; j <= last; ++j) {
            int bound = quantity ? Quantity(j) : m_C;
            for (int k = 1; k <= m_m; ++k) {
                m_out << name;
                m_out.Index(j, k) << ": " << load;
                m_out.Index(j, k) << ' ' << relation << ' ' << bound << '\n';
            }
        }
    }

    void WriteLoadBounds() {
        WriteLoadBound(1, LastCustomer(), "lineload_lower_bound", "ql", ">=", true);
        WriteLoadBound(FirstSupplier(), LastFacilityNode(), "backload_lower_bound", "qb", ">=", true);
        WriteLoadBound(1, LastCustomer(), "lineload_upper_bound", "ql", "<=", false);
        WriteLoadBound(FirstSupplier(), LastFacilityNode(), "backload_upper_bound", "qb", "<=", false);
        m_out << '\n';
    }

    // The first R vehicles cannot stay unused, R the vehicles the larger of the two totals needs.
    void WriteRequiredRoutes() {
        long long demand = 0;
        long long supply = 0;
        for (int j = 1; j <= LastFacilityNode(); ++j) {
            (m_nodes.IsCustomerNode(j) ? demand : supply) += Quantity(j);
        }
        long long total = demand > supply ? demand : supply;
        int required = total > 0 ? static_cast<int>((total + m_C - 1) / m_C) : 0;
        for (int r = 1; r <= required; ++r) {
            m_out << "required_route(" << r << "): ";
            m_out.Arc(0, m_E, r) << " = 0\n";
        }
    }

    // Vehicle 1 serves the facility with the largest quantity (the first on ties, customers
    // before suppliers). Without any quantity above 0 no facility is chosen and nothing is written.
    void WriteSymmetryBreaking() {
        int f = 0;
        int largest = 0;
        for (int j = 1; j <= LastFacilityNode(); ++j) {
            if (Quantity(j) > largest) {
                largest = Quantity(j);
                f = j;
            }
        }
        if (f == 0) {
            return;
        }
        m_nodes.GetSuccessors(f, m_successors);
        m_nodes.GetPredecessors(f, m_predecessors);
        m_out << "\nsymmetry_break_outarcs";
        m_out.Index(f, 1) << ":\n";
        for (int s : m_successors) {
            Term("+", f, s, 1);
        }
        m_out << "= 1\n";
        for (int k = 2; k <= m_m; ++k) {
            for (int s : m_successors) {
                m_out.Arc(f, s, k) << " = 0\n";
            }
        }
        m_out << "\nsymmetry_break_inarcs";
        m_out.Index(f, 1) << ":\n";
        Term("+", 0, f, 1);
        for (int i : m_predecessors) {
            Term("+", i, f, 1);
        }
        m_out << "= 1\n";
        for (int k = 2; k <= m_m; ++k) {
            m_out.Arc(0, f, k) << " = 0\n";
            for (int i : m_predecessors) {
                m_out.Arc(i, f, k) << " = 0\n";
            }
        }
    }

    void WriteObjectiveBounds() {
        const CAlgoStat& record = m_doc.GetCurrentSolution();
        int facilities = m_doc.GetNumberOfCustomers() + m_doc.GetNumberOfSuppliers();
        char line[128];
        // Only a complete solution the fleet can drive bounds the optimum: with more routes than
        // vehicles the model could become infeasible.
        if (m_doc.GetNumberOfRoutes() > 0 && m_doc.GetRoutedCount() == facilities &&
            m_doc.GetNumberOfRoutes() <= m_m) {
            std::snprintf(line, sizeof line, "\ntotal_length_upper_bound: total_length <= %lf\n",
                          record.m_dDistance * 1.000001);
            m_out << line;
        }
        if (record.m_dBestLowerBound > 0.0) {
            std::snprintf(line, sizeof line, "\ntotal_length_lower_bound: total_length >= %lf\n",
                          record.m_dBestLowerBound * 0.999999);
            m_out << line;
        }
    }

    void WriteBinaries() {
        m_out << "\nbinary\n";
        for (int j = 1; j <= m_E; ++j) {
            for (int k = 1; k <= m_m; ++k) {
                m_out.Arc(0, j, k) << '\n';
            }
        }
        for (int i = 1; i <= LastFacilityNode(); ++i) {
            m_nodes.GetSuccessors(i, m_successors);
            for (int j : m_successors) {
                for (int k = 1; k <= m_m; ++k) {
                    m_out.Arc(i, j, k) << '\n';
                }
            }
        }
    }

    const CTramletDoc& m_doc;
    CModelText m_out;
    CMipNodes m_nodes;
    const int m_E;
    const int m_m;
    const int m_C;
    std::vector<int> m_successors;
    std::vector<int> m_predecessors;
};

// The project's path without its extension (the name proposed by the save dialog).
std::string ProjectBasePath(const CTramletDoc& document) {
    std::string path = document.GetPathName();
    std::string::size_type slash = path.find_last_of('/');
    std::string::size_type dot = path.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        path.erase(dot);
    }
    return path;
}

} // namespace

bool CanRunMipCommand(const CTramletDoc& document) {
    return CanRunAlgorithm(document) && document.GetNumberOfVehicles() > 1;
}

void WriteLPFormulation(const CTramletDoc& document, const std::string& path) {
    // "w" empties an existing file: a shorter model must not leave the tail of an older one behind.
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        throw CFileException::FromErrno(path, errno);
    }
    // The file is closed also when the writer raises (out of memory).
    auto closer = [](std::FILE* f) { std::fclose(f); };
    std::unique_ptr<std::FILE, decltype(closer)> guard(file, closer);
    CLPFormulationWriter(document, file).Write();
    bool failed = std::ferror(file) != 0;
    int error = failed ? errno : 0;
    if (std::fclose(guard.release()) != 0) {
        failed = true;
        error = error != 0 ? error : errno;
    }
    if (failed) {
        throw CFileException::FromErrno(path, error != 0 ? error : EIO);
    }
}

bool OnWriteLPFormulation(CTramletDoc& document, const std::string& path) {
    if (!CanRunMipCommand(document)) {
        return false;
    }
    CUserInterface& ui = GetUserInterface();
    document.SetIsAlgorithmRunning(true);
    ui.BeginWaitCursor();
    bool written = true;
    try {
        WriteLPFormulation(document, path);
    } catch (const CFileException& error) {
        DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(true, "LP formulation", error));
        written = false;
    }
    ui.EndWaitCursor();
    document.SetIsAlgorithmRunning(false);
    return written;
}

bool OnWriteLPFormulation(CTramletDoc& document) {
    if (!CanRunMipCommand(document)) {
        return false;
    }
    std::optional<std::string> path = GetUserInterface().SaveFileDialog(
        "LP Formulation Data File", "LP Formulation Files (*.lp);;All Files (*.*)", "lp",
        ProjectBasePath(document));
    if (!path) {
        return false;
    }
    return OnWriteLPFormulation(document, *path);
}
