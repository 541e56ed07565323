#pragma once

// What every benchmark program needs: an application whose logs go to a temporary folder, a
// user interface that answers without showing anything, and random projects made the way a
// user makes them (Add Random Facilities with a seed).

#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/tramlet_app.h"
#include "files/text_project_import.h"
#include "framework/platform/scripted_user_interface.h"
#include "model/tramlet_doc.h"
#include "runs/run_frame.h"

class CBenchEnvironment {
public:
    CBenchEnvironment() {
        m_home = std::filesystem::temp_directory_path() / ("tramlet-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_home);
        setenv("HOME", m_home.c_str(), 1);
        unsetenv("XDG_STATE_HOME");
        SetUserInterface(&m_ui);
        m_app = std::make_unique<CTramletApp>();
        m_app->InitInstance();
        m_app->SetIsIdle();
    }
    ~CBenchEnvironment() {
        m_app.reset();
        SetUserInterface(nullptr);
        std::error_code error;
        std::filesystem::remove_all(m_home, error);
    }

    // A new project with random customers, suppliers and one depot (quantities 1..maxQuantity),
    // the given fleet and all distances computed. Report level Database, so runs write no log.
    std::unique_ptr<CTramletDoc> MakeRandomProject(int customers, int suppliers, int seed, int vehicles = 100,
                                                   int capacity = 100, int maxQuantity = 20) {
        auto doc = std::make_unique<CTramletDoc>();
        doc->MakeActive();
        doc->OnNewDocument();
        SRandomFacilitiesRequest request;
        request.number[FT_CUSTOMER] = customers;
        request.number[FT_SUPPLIER] = suppliers;
        request.number[FT_DEPOT] = 1;
        request.maxQuantity[0] = maxQuantity;
        request.maxQuantity[1] = maxQuantity;
        request.seed = seed;
        doc->AddRandomFacilities(request);
        doc->SetNumberOfVehicles(vehicles);
        doc->SetVehicleCapacity(capacity);
        doc->SetReportLevel(1);
        doc->SetTimeLimit(3600.0);
        m_ui.ClearRecords();
        return doc;
    }

    CScriptedUserInterface& UserInterface() { return m_ui; }

private:
    std::filesystem::path m_home;
    CScriptedUserInterface m_ui;
    std::unique_ptr<CTramletApp> m_app;
};

// One environment per benchmark program, made on first use.
inline CBenchEnvironment& SharedBenchEnvironment() {
    static CBenchEnvironment environment;
    return environment;
}

// A random project of the given size: two thirds customers, the rest suppliers, one depot more,
// seed 12345, 100 vehicles of the given capacity, quantities up to 20.
inline std::unique_ptr<CTramletDoc> MakeRandomBenchProject(int facilities, int capacity = 100) {
    return SharedBenchEnvironment().MakeRandomProject(facilities * 2 / 3, facilities - facilities * 2 / 3,
                                                      12345, 100, capacity);
}

// The example project examples/<name>/<name>.dat at report level Database without a time limit
// worth the name; null when it cannot be read.
inline std::unique_ptr<CTramletDoc> OpenExampleBenchProject(const std::string& name) {
    SharedBenchEnvironment();
    std::filesystem::path path = std::filesystem::path(EXAMPLES_DIR) / name / (name + ".dat");
    std::unique_ptr<CTramletDoc> doc = OpenTextProject(path.string());
    if (doc != nullptr) {
        doc->MakeActive();
        doc->SetReportLevel(1);
        doc->SetTimeLimit(3600.0);
    }
    return doc;
}

// The 200-facility example opened as a new project of the caller's own environment (unlike
// OpenExampleBenchProject, which uses the shared one), at report level Database without a time
// limit worth the name; null when it cannot be read.
inline std::unique_ptr<CTramletDoc> OpenRandom200() {
    auto doc = std::make_unique<CTramletDoc>();
    doc->MakeActive();
    doc->OnNewDocument();
    std::filesystem::path path = std::filesystem::path(EXAMPLES_DIR) / "random200" / "random200.dat";
    if (!doc->OnOpenDocument(path.string())) {
        return nullptr;
    }
    doc->SetReportLevel(1);
    doc->SetTimeLimit(3600.0);
    return doc;
}

// Times one algorithm command per iteration; prepare (untimed) runs before each one. The
// statistics list is emptied between runs, and the size of the project is given to the
// benchmark so that a Complexity() fit reports how the command scales. A run that is not
// recorded stops the benchmark with an error.
inline void TimeRecordedCommand(benchmark::State& state, CTramletDoc* doc, ERunResult (*run)(CTramletDoc&),
                                const std::function<void(CTramletDoc&)>& prepare = {}) {
    if (doc == nullptr) {
        state.SkipWithError("project not available");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        doc->GetAlgorithmStatistics().clear();
        if (prepare) {
            prepare(*doc);
        }
        state.ResumeTiming();
        if (run(*doc) != ERunResult::recorded) {
            state.SkipWithError("the run was not recorded");
            return;
        }
    }
    state.SetComplexityN(doc->GetNumberOfCustomers() + doc->GetNumberOfSuppliers());
    state.counters["routes"] = doc->GetNumberOfRoutes();
    state.counters["routed"] = doc->GetRoutedCount();
    state.counters["distance"] = doc->GetCurrentSolution().m_dDistance;
}

// The project sizes every command is timed on: 50, 100, 200 and 400 facilities; the times of a
// command fitted against them (Complexity()) show how it scales.
inline void RandomProjectSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(50)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
}
