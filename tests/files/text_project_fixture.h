#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "files/text_project_import.h"
#include "model/tramlet_doc.h"
#include "tests/support/app_fixture.h"

// A text project written into a temporary folder: a scalar data file made of lines that a test
// may change, and the data files of two customers, one supplier, one depot and one route.
class TextProjectFixture : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        scalar = {
            "[data_version]\t20014",
            "[project_name]\tProbe",
            "[map_projection]\tOrthogonal",
            "[minimum_x_coordinate]\t0",
            "[maximum_x_coordinate]\t10000",
            "[minimum_y_coordinate]\t0",
            "[maximum_y_coordinate]\t10000",
            "[distance_norm]\tRectilinear",
            "[distance_factor]\t2.000",
            "[number_of_vehicles]\t4",
            "[vehicle_capacity]\t80",
            "[infeasibility_penalty]\t250.000000",
            "[number_of_customers]\t2",
            "[customer_file_name]\tp.cus",
            "[number_of_suppliers]\t1",
            "[supplier_file_name]\tp.sup",
            "[number_of_depots]\t1",
            "[depot_file_name]\tp.dep",
            "[number_of_routes]\t1",
            "[route_file_name]\tp.rou",
            "[seed]\t777",
        };
        WriteFile("p.cus", "     c1\t 1000\t 1000\t   30\t  circle\t   20\t             red\tAlpha\n"
                           "     c2\t 4000\t 1000\t   40\t  circle\t   20\t             red\tBeta\n");
        WriteFile("p.sup", "     s1\t 4000\t 5000\t   25\t triangle\t   20\t           green\tGamma\n");
        WriteFile("p.dep", "     d1\t 1000\t 5000\t    0\t  square\t   30\t            blue\tHub\n");
        WriteFile("p.rou", "    2\t    1\tnavy\n"
                           "       Depot\t  d1\n    Customer\t  c1\n    Customer\t  c2\n"
                           "    Supplier\t  s1\n       Depot\t  d1\n");
    }

    void TearDown() override {
        previous.reset();
        doc.reset();
        AppFixture::TearDown();
    }

    void WriteFile(const std::string& name, const std::string& text) {
        WriteWholeFile(folder.File(name), text);
    }
    std::string Path(const std::string& name) const { return folder.File(name); }

    // The scalar data file from the lines, each ended by lineEnd.
    void WriteScalar(const std::string& lineEnd = "\n") {
        std::string text;
        for (const std::string& line : scalar) {
            text += line + lineEnd;
        }
        WriteFile("p.dat", text);
    }
    // Replaces the line that starts with key (or appends it when there is none).
    void SetLine(const std::string& key, const std::string& line) {
        for (std::string& existing : scalar) {
            if (existing.compare(0, key.size(), key) == 0) {
                existing = line;
                return;
            }
        }
        scalar.push_back(line);
    }
    void RemoveLine(const std::string& key) {
        std::erase_if(scalar, [&](const std::string& line) { return line.compare(0, key.size(), key) == 0; });
    }

    // Writes the scalar file and imports it into a new document.
    bool Import(const std::string& lineEnd = "\n") {
        WriteScalar(lineEnd);
        return ImportPath(Path("p.dat"));
    }
    bool ImportPath(const std::string& path) {
        doc = std::make_unique<CTramletDoc>();
        return ImportTextProject(*doc, path);
    }

    // The message texts of a refused import, which must be the given ones.
    std::vector<std::string> RefusedImport() {
        ui.ClearRecords();
        EXPECT_FALSE(Import());
        return Messages();
    }

    static std::string Completed(const std::string& message, const std::string& line) {
        return message + " in document data line\r\n" + line;
    }

    CTempFolder folder;
    std::vector<std::string> scalar;
    std::unique_ptr<CTramletDoc> doc;
    std::unique_ptr<CTramletDoc> previous;
};

inline const char* const kMissingItems = "Missing necessary project scalar data items";
