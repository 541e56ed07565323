#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "optimisation/mip_formulation.h"
#include "optimisation/mip_solution.h"
#include "tests/support/project_fixture.h"

// A project for the MIP model with a folder for its model and solution files.
class MipFixture : public ProjectFixture {
protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        folder = std::make_unique<CTempFolder>();
    }
    void TearDown() override {
        folder.reset();
        ProjectFixture::TearDown();
    }

    // Writes the model of the project and returns its text.
    std::string Model(const std::string& name = "model.lp") {
        std::string path = folder->File(name);
        EXPECT_TRUE(OnWriteLPFormulation(*doc, path)) << ::testing::PrintToString(TakeMessages());
        return ReadWholeFile(path);
    }

    // Writes a report and reads it with the solver's reader.
    ERunResult ReadReport(EMipSolver solver, const std::string& report,
                          const std::string& name = "report.sol") {
        std::string path = folder->File(name);
        WriteWholeFile(path, report);
        return ReadMipSolution(*doc, solver, path);
    }

    // The facilities of each route in order, by label, depots included.
    std::vector<std::string> RouteSequences() const {
        std::vector<std::string> sequences;
        for (CRoute* route : doc->GetRoutes()) {
            sequences.push_back(RouteText(route));
        }
        return sequences;
    }

    // 100 customers c1 to c100 (demand 5, c1 6) in ten rows of ten, suppliers s1 to s10 (supply 5)
    // at the ends of the rows, the depot d in the middle; 10 vehicles of capacity 100. Returns the
    // routes of the solution in tests/data/mip/wrapped_names.*: vehicle k drives along row k.
    std::vector<std::string> AddWrappedNamesProject() {
        AddDepot("d", 5000, 5000);
        for (int k = 1; k <= 10; ++k) {
            for (int c = 0; c < 10; ++c) {
                int n = 10 * (k - 1) + c + 1;
                AddCustomer("c" + std::to_string(n), 500 + 900 * c, 500 + 1000 * (k - 1), n == 1 ? 6 : 5);
            }
        }
        for (int k = 1; k <= 10; ++k) {
            AddSupplier("s" + std::to_string(k), 9700, 500 + 1000 * (k - 1), 5);
        }
        EXPECT_TRUE(doc->SetNumberOfVehicles(10));
        EXPECT_TRUE(doc->SetVehicleCapacity(100));
        std::vector<std::string> routes;
        for (int k = 1; k <= 10; ++k) {
            std::string route = "d";
            for (int n = 10 * k - 9; n <= 10 * k; ++n) {
                route += " c" + std::to_string(n);
            }
            routes.push_back(route + " s" + std::to_string(k) + " d");
        }
        return routes;
    }

    struct SBatchRun {
        int status = -1;
        std::string out;
        std::string err;
    };
    // Runs tramlet-batch with the arguments (its home the test's folder).
    SBatchRun RunBatch(const std::string& arguments) {
        std::string errFile = folder->File("batch-stderr.txt");
        std::string command = "HOME='" + folder->Path().string() +
                              "' XDG_STATE_HOME= XDG_DATA_HOME= " + TRAMLET_BATCH + " " + arguments + " 2>'" +
                              errFile + "'";
        SBatchRun run;
        std::FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        for (size_t n; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            run.out.append(buffer, n);
        }
        int status = pipe != nullptr ? pclose(pipe) : -1;
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.err = ReadWholeFile(errFile);
        return run;
    }

    std::unique_ptr<CTempFolder> folder;
};

// A file of tests/data/mip.
inline std::string MipDataFile(const std::string& name) {
    return std::string(TEST_DATA_DIR) + "/mip/" + name;
}

// The glpsol program on PATH (the GLPSOL variable names another one); empty when there is none.
inline std::string FindGlpsol() {
    if (const char* named = std::getenv("GLPSOL"); named != nullptr && *named != '\0') {
        return named;
    }
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "";
    for (std::string::size_type start = 0; start <= folders.size();) {
        std::string::size_type end = folders.find(':', start);
        if (end == std::string::npos) {
            end = folders.size();
        }
        std::filesystem::path candidate =
            std::filesystem::path(folders.substr(start, end - start)) / "glpsol";
        std::error_code error;
        if (end > start && std::filesystem::is_regular_file(candidate, error)) {
            return candidate.string();
        }
        start = end + 1;
    }
    return std::string();
}

// Solves the model with glpsol, its report written to solution; the exit status. The time limit
// only guards against a hang: a search it cuts short reports INTEGER NON-OPTIMAL.
inline int RunGlpsol(const std::string& glpsol, const std::string& model, const std::string& solution) {
    std::string command = "'" + glpsol + "' --tmlim 120 --cpxlp '" + model + "' -o '" + solution + "' > '" +
                          solution + ".log' 2>&1";
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
