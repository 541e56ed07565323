// Settings of the project and the project-wide commands: parameters, random facilities,
// distances, Evaluate, Export and the routes report.

#include <cstdio>

#include "app/tramlet_app.h"
#include "batch/batch_command_table.h"
#include "files/common_data_items.h"
#include "files/text_project_export.h"
#include "framework/application/sable_win_app.h"
#include "framework/exceptions/file_exception.h"
#include "framework/exceptions/user_exception.h"
#include "model/tramlet_doc.h"
#include "runs/evaluate.h"

namespace {

using Arguments = std::vector<std::string>;

// A setting whose value is a whole number handed to a setter that reports its own refusal.
SBatchCommand IntegerSetting(const std::string& name, const std::string& help,
                             std::function<bool(CTramletDoc&, int)> set) {
    return {name, {"N"}, help, [name, set](SBatchContext& context, const Arguments& arguments) {
                int value = 0;
                return ParseBatchInteger(name, arguments[0], value) && set(context.document, value);
            }};
}

SBatchCommand RealSetting(const std::string& name, const std::string& help,
                          std::function<bool(CTramletDoc&, double)> set) {
    return {name, {"X"}, help, [name, set](SBatchContext& context, const Arguments& arguments) {
                double value = 0.0;
                return ParseBatchReal(name, arguments[0], value) && set(context.document, value);
            }};
}

// A setting decoded the way the scalar data file decodes its item (same checks and messages).
SBatchCommand CommonItemSetting(const std::string& name, const std::string& argument, const std::string& help,
                                ESCALARITEM item) {
    return {name, {argument}, help, [item](SBatchContext& context, const Arguments& arguments) {
                SCommonItemsPending pending;
                std::string path = context.document.GetPathName();
                return DecodeCommonDataItem(context.document, item, arguments[0], nullptr, path, pending);
            }};
}

} // namespace

void AddProjectCommands(CBatchCommandTable& table) {
    table.Add(IntegerSetting("--report-level", "report level 0 to 5 (1 Database ... 5 Debug)",
                             [](CTramletDoc& d, int v) { return d.SetReportLevel(v); }));
    table.Add(
        IntegerSetting("--seed", "random-number seed", [](CTramletDoc& d, int v) { return d.SetSeed(v); }));
    table.Add(RealSetting("--time-limit", "run-time limit in seconds",
                          [](CTramletDoc& d, double v) { return d.SetTimeLimit(v); }));
    table.Add(RealSetting("--tolerance", "relative tolerance",
                          [](CTramletDoc& d, double v) { return d.SetTolerance(v); }));
    table.Add(IntegerSetting("--iterations", "maximum replications",
                             [](CTramletDoc& d, int v) { return d.SetMaxIterations(v); }));
    table.Add(IntegerSetting("--vehicles", "number of vehicles",
                             [](CTramletDoc& d, int v) { return d.SetNumberOfVehicles(v); }));
    table.Add(IntegerSetting("--capacity", "vehicle capacity (routes that no longer fit are deleted)",
                             [](CTramletDoc& d, int v) { return d.SetVehicleCapacity(v); }));
    table.Add(RealSetting("--penalty", "infeasibility penalty per unit",
                          [](CTramletDoc& d, double v) { return d.SetInfeasibilityPenalty(v); }));
    table.Add(CommonItemSetting("--norm", "NAME",
                                "distance norm (Euclidean, Rectilinear, Chebyshev, Great_Circle, ...)",
                                SI_DISTANCE_NORM));
    table.Add(CommonItemSetting("--distance-factor", "X", "distance factor 1.0 to 9.0", SI_DISTANCE_FACTOR));
    table.Add({"--output-log",
               {"FILE"},
               "start an output log (the file is emptied)",
               [](SBatchContext&, const Arguments& arguments) {
                   CSableWinApp* app = CSableWinApp::GetApp();
                   try {
                       app->SetOutputLogFileName(arguments[0]);
                       return true;
                   } catch (const CFileException& error) {
                       app->DisplayErrorMessage(
                           CSableWinApp::ConstructFileErrorMessage(true, "output log", error));
                       return false;
                   }
               }});

    table.Add(
        {"add-random",
         {"CUSTOMERS", "SUPPLIERS", "DEPOTS", "MAX_DEMAND", "MAX_SUPPLY", "SEED"},
         "add random facilities (Microsoft C runtime generator) and compute all distances",
         [](SBatchContext& context, const Arguments& arguments) {
             SRandomFacilitiesRequest request;
             const char* const names[] = {"customers", "suppliers", "depots", "demand", "supply", "seed"};
             int values[6] = {};
             for (int i = 0; i < 6; ++i) {
                 if (!ParseBatchInteger(std::string("add-random ") + names[i], arguments[i], values[i])) {
                     return false;
                 }
             }
             request.number[FT_CUSTOMER] = values[0];
             request.number[FT_SUPPLIER] = values[1];
             request.number[FT_DEPOT] = values[2];
             request.maxQuantity[0] = values[3];
             request.maxQuantity[1] = values[4];
             request.seed = values[5];
             return context.document.AddRandomFacilities(request);
         }});
    table.Add({"compute-distances",
               {},
               "compute all distances under the project's norm",
               [](SBatchContext& context, const Arguments&) {
                   const EDISTANCENORM norm = context.document.GetDistanceNorm().GetNorm();
                   if (norm == DN_EXTERNALLY_SPECIFIED) {
                       context.failure = "the distance norm Externally_Specified takes its distances from a "
                                         "distance file; they cannot be computed";
                       return false;
                   }
                   if (context.document.GetTotalNumberOfFacilities() < 2) {
                       context.failure = "needs at least two facilities";
                       return false;
                   }
                   return Guarded([&] { context.document.ComputeAllDistances(); });
               }});
    table.Add(
        {"evaluate", {}, "check and record the current routes", [](SBatchContext& context, const Arguments&) {
             if (!CanEvaluate(context.document)) {
                 context.failure = "needs routes";
                 return false;
             }
             return EvaluateSolution(context.document);
         }});
    table.Add({"delete-all-routes", {}, "delete every route", [](SBatchContext& context, const Arguments&) {
                   return Guarded([&] { context.document.DeleteAllRoutes(); });
               }});
    table.Add({"export",
               {"FILE.dat"},
               "export the project as text project files",
               [](SBatchContext& context, const Arguments& arguments) {
                   return ExportTextProject(context.document, arguments[0]);
               }});
    table.Add(
        {"routes-report", {}, "print the report of all routes", [](SBatchContext& context, const Arguments&) {
             context.document.WriteRoutesReport(stdout);
             return true;
         }});
}
