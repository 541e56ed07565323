#pragma once

// What every benchmark program needs: an application whose logs go to a temporary folder, a
// user interface that answers without showing anything, and random projects made the way a
// user makes them (Add Random Facilities with a seed).

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/tramlet_app.h"
#include "framework/platform/scripted_user_interface.h"
#include "model/tramlet_doc.h"

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
