// The exact routing of a small cluster: its tour model as a CPLEX LP file, solved by GLPK.

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/application/sable_win_app.h"
#include "framework/containers/long_matrix.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "framework/strings/format.h"
#include "model/tramlet_doc.h"
#include "optimisation/generalized_assignment.h"
#include "optimisation/generalized_assignment_routing.h"
#include "optimisation/generalized_assignment_solver.h"

const char* const GAP_CLUSTER_MODEL_UNREADABLE = "GLPK could not read the cluster routing model file %s";
const char* const GAP_CLUSTER_TOUR_BROKEN =
    "The solution of the cluster routing model %s does not form a tour";

namespace {

// An arc of the tour model between node numbers: 0 the depot at the start, g + 1 the facility
// of global index g, end the depot at the end.
struct SArc {
    int tail;
    int head;
};

// The nodes and arcs of one cluster's tour model.
struct STourModel {
    std::vector<const CFacility*> cluster; // global order
    int end = 0;                           // node number of the depot at the end
    std::vector<SArc> arcs;                // in the order the model first names them

    // Whether the arc (a, b) between two cluster facilities exists: a supplier is followed by
    // suppliers only.
    static bool Links(const CFacility* a, const CFacility* b) {
        return a != b && !(a->IsSupplier() && b->IsCustomer());
    }
    static int Node(const CFacility* f) { return f->GetIndex() + 1; }
};

STourModel MakeTourModel(const CTramletDoc& document, const CLongMatrix& assignment, int vehicle) {
    STourModel model;
    for (CFacility* f : ClusterFacilities(document, assignment, vehicle)) {
        model.cluster.push_back(f);
    }
    model.end = document.GetTotalNumberOfFacilities();
    for (const CFacility* j : model.cluster) {
        model.arcs.push_back({0, STourModel::Node(j)});
    }
    for (const CFacility* i : model.cluster) {
        for (const CFacility* j : model.cluster) {
            if (STourModel::Links(i, j)) {
                model.arcs.push_back({STourModel::Node(i), STourModel::Node(j)});
            }
        }
        model.arcs.push_back({STourModel::Node(i), model.end});
    }
    return model;
}

std::string Arc(const char* variable, int tail, int head) {
    return FormatString("%s(%03d,%03d)", variable, tail, head);
}

// The model text of the cluster.
std::string TourModelText(const CTramletDoc& document, const STourModel& model, int count) {
    const int D = document.GetFacility(FT_DEPOT, 0)->GetIndex();
    const int E = model.end;
    auto distance = [&](int a, int b) {
        return document.GetDistance(a == 0 || a == E ? D : a - 1, b == 0 || b == E ? D : b - 1);
    };
    std::string text = "Min total_cost\ns.t.\n";
    // The cost definition, one line for the start and one per facility.
    for (size_t k = 0; k < model.arcs.size(); ++k) {
        const SArc& arc = model.arcs[k];
        text += FormatString("+ %.3lf %s%s", distance(arc.tail, arc.head),
                             Arc("x", arc.tail, arc.head).c_str(), arc.head == E ? "\n" : "\t");
        if (k + 1 == model.cluster.size()) {
            text += "\n";
        }
    }
    text += "- total_cost = 0\n";
    // One arc leaves the start, each facility, and enters each facility and the end.
    for (const SArc& arc : model.arcs) {
        if (arc.tail == 0) {
            text += "+ " + Arc("x", 0, arc.head) + "\t";
        }
    }
    text += " = 1\n";
    for (const CFacility* i : model.cluster) {
        for (const SArc& arc : model.arcs) {
            if (arc.tail == STourModel::Node(i)) {
                text += "+ " + Arc("x", arc.tail, arc.head) + "\t";
            }
        }
        text += " = 1\n";
    }
    for (const CFacility* j : model.cluster) {
        for (const SArc& arc : model.arcs) {
            if (arc.head == STourModel::Node(j)) {
                text += "+ " + Arc("x", arc.tail, arc.head) + "\t";
            }
        }
        text += " = 1\n";
    }
    for (const SArc& arc : model.arcs) {
        if (arc.head == E) {
            text += "+ " + Arc("x", arc.tail, E) + "\t";
        }
    }
    text += " = 1\n";
    // Flow only on the arcs used; the start sends count + 1 units, each facility keeps one.
    for (const SArc& arc : model.arcs) {
        text += FormatString("%s - %3d %s <= 0\n", Arc("q", arc.tail, arc.head).c_str(), count + 1,
                             Arc("x", arc.tail, arc.head).c_str());
    }
    for (const SArc& arc : model.arcs) {
        if (arc.tail == 0) {
            text += "+ " + Arc("q", 0, arc.head) + "\t";
        }
    }
    text += FormatString(" = %3d\n", count + 1);
    for (const CFacility* j : model.cluster) {
        for (const SArc& arc : model.arcs) {
            if (arc.head == STourModel::Node(j)) {
                text += "+ " + Arc("q", arc.tail, arc.head) + "\t";
            }
        }
        for (const SArc& arc : model.arcs) {
            if (arc.tail == STourModel::Node(j)) {
                text += "- " + Arc("q", arc.tail, arc.head) + "\t";
            }
        }
        text += " = 1\n";
    }
    for (const SArc& arc : model.arcs) {
        if (arc.head == E) {
            text += "+ " + Arc("q", arc.tail, E) + "\t";
        }
    }
    text += " = 1\n";
    text += "binary\n";
    for (const SArc& arc : model.arcs) {
        text += Arc("x", arc.tail, arc.head) + "\n";
    }
    text += "end\n";
    return text;
}

// Shows a failure of the cluster model file and ends the run.
[[noreturn]] void ReportModelFileFailure(const std::string& path, int error) {
    DisplayErrorMessage(CSableWinApp::ConstructFileErrorMessage(true, "cluster routing model",
                                                                CFileException::FromErrno(path, error)),
                        false);
    ThrowUserException();
}

} // namespace

std::string ClusterTourModelPath(const CTramletDoc& document, int vehicle) {
    const std::filesystem::path project(document.GetPathName());
    const std::string name = FormatString("%s_v%03d.tmp", project.stem().string().c_str(), vehicle + 1);
    return document.GetPathName().empty() ? name : (project.parent_path() / name).string();
}

void WriteClusterTourModel(const CTramletDoc& document, const std::string& path,
                           const CLongMatrix& assignment, int count, int vehicle) {
    const std::string text = TourModelText(document, MakeTourModel(document, assignment, vehicle), count);
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        ReportModelFileFailure(path, errno);
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const int error = errno;
    if (std::fclose(file) != 0 || !written) {
        ReportModelFileFailure(path, written ? errno : error);
    }
}

void SolveClusterTour(CTramletDoc& document, CSableWinApp& app, const CLongMatrix& assignment, int count,
                      int vehicle, CRoute& route) {
    const std::string path = ClusterTourModelPath(document, vehicle);
    WriteClusterTourModel(document, path, assignment, count, vehicle);
    const STourModel model = MakeTourModel(document, assignment, vehicle);

    CGapProblem problem(app);
    glp_prob* lp = problem.Get();
    if (app.m_pfn_glp_read_lp(lp, nullptr, path.c_str()) != 0) {
        DisplayErrorMessage(FormatString(GAP_CLUSTER_MODEL_UNREADABLE, path.c_str()), false);
        ThrowUserException();
    }
    app.m_pfn_glp_set_prob_name(lp, std::filesystem::path(path).stem().string().c_str());
    glp_iocp controls = AssignmentIntegerControls(app, document);
    const int returned = app.m_pfn_glp_intopt(lp, &controls);
    CheckAssignmentSolverResult(app, document, "MIP", returned,
                                returned == 0 ? app.m_pfn_glp_mip_status(lp) : 0);

    // The successor of every node, read from the arc columns in the order the model names them.
    CFacility* depot = document.GetFacility(FT_DEPOT, 0);
    std::vector<int> successor(static_cast<size_t>(model.end) + 1, -1);
    app.m_pfn_glp_create_index(lp);
    const int first = app.m_pfn_glp_find_col(lp, Arc("x", model.arcs[0].tail, model.arcs[0].head).c_str());
    for (size_t k = 0; first > 0 && k < model.arcs.size(); ++k) {
        if (std::fabs(app.m_pfn_glp_mip_col_val(lp, first + static_cast<int>(k)) - 1.0) < 1e-6) {
            successor[model.arcs[k].tail] = model.arcs[k].head;
        }
    }
    app.m_pfn_glp_delete_index(lp);

    route.AddFacility(depot, false);
    int node = successor[0];
    const int size = static_cast<int>(model.cluster.size());
    for (int visited = 0; node > 0 && node != model.end && visited < size; ++visited) {
        route.AddFacility(document.GetFacility(node - 1), true);
        node = successor[node];
    }
    route.AddFacility(depot, false);
    if (node != model.end || route.GetSize() != size + 2) {
        route.Clear();
        DisplayErrorMessage(FormatString(GAP_CLUSTER_TOUR_BROKEN, path.c_str()), false);
        ThrowUserException();
    }
    route.ComputeDistance();
}
