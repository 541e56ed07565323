// The byte layout of the project archive and the reading of every data version, with archives
// written field by field.
#include <gtest/gtest.h>

#include "files/archive/binary_project_file.h"
#include "framework/colours/color.h"
#include "tests/files/archive/project_archive_bytes.h"
#include "tests/support/project_fixture.h"

namespace {

SArchiveFacility Describe(const CFacility* f) {
    SArchiveFacility d;
    d.type = f->GetType();
    d.index = f->GetIndex();
    d.view = f->GetViewLocation();
    d.world = f->GetWorldLocation();
    d.quantity = f->GetQuantity();
    d.size = f->GetSize();
    d.shape = f->GetShape();
    d.symbol = f->GetSymbolRect();
    d.label = f->GetLabel();
    d.name = f->GetName();
    d.color = f->GetColor().GetColorWord();
    return d;
}

// An old-version project: labels "1" of every type (as old versions numbered them) at fixed
// places, the route depot, customer, supplier, depot, consistent totals and distances.
SArchiveProject OldProject(unsigned version) {
    SArchiveProject p;
    p.version = version;
    auto facility = [](int type, int index, int x, int y, int quantity, const std::string& name) {
        SArchiveFacility f;
        f.type = type;
        f.index = index;
        f.view = CIntPoint{x, 10000 - y};
        f.world = CLonLatPoint(x, y);
        f.quantity = quantity;
        f.size = 5;
        f.shape = 1;
        f.symbol = CIntRect{x - 5, 10000 - y - 5, x + 6, 10000 - y + 6};
        f.label = "1";
        f.name = name;
        f.color = static_cast<std::uint32_t>(COLOR_RED) << 24;
        return f;
    };
    p.customer = facility(0, 0, 3000, 4000, 10, "North");
    p.supplier = facility(1, 1, 6000, 8000, 5, "East");
    p.depot = facility(2, 2, 0, 0, 0, "Base");
    p.totals[0] = 10;
    p.totals[1] = 5;
    p.route.quantities[0] = 10;
    p.route.quantities[1] = 5;
    p.route.bounding = CIntRect{-5, 1995, 6006, 10006};
    p.route.color = static_cast<std::uint32_t>(8) << 24;
    // Customer, supplier, depot: 5000 between customer and supplier and from the depot to the
    // customer, 10000 from the supplier back to the depot.
    p.distances = {0, 5000, 5000, 5000, 0, 10000, 5000, 10000, 0};
    return p;
}

class BinaryProjectLayoutTest : public ProjectFixture {
protected:
    // Reads archive bytes into a new document; null (and the fixture's document active again)
    // when the open fails.
    std::unique_ptr<CTramletDoc> Load(const std::string& bytes, const std::string& name = "old.tramlet") {
        auto loaded = std::make_unique<CTramletDoc>();
        bool success = LoadBinaryProject(*loaded, bytes, name);
        if (!success) {
            // Nothing half-read remains.
            EXPECT_EQ(loaded->GetTotalNumberOfFacilities(), 0);
            EXPECT_EQ(loaded->GetNumberOfRoutes(), 0);
            EXPECT_EQ(loaded->GetPathName(), "");
            loaded.reset();
        }
        doc->MakeActive();
        return loaded;
    }

    // The project of OldProject read and checked for what every version keeps.
    std::unique_ptr<CTramletDoc> LoadOld(const SArchiveProject& project) {
        std::unique_ptr<CTramletDoc> old = Load(BuildProjectArchive(project));
        EXPECT_NE(old, nullptr) << project.version << ": " << (Messages().empty() ? "" : Messages().front());
        if (old == nullptr) {
            return old;
        }
        EXPECT_EQ(old->GetDataVersion(), project.version);
        EXPECT_EQ(old->GetDocTitle(), "Old Project");
        // The labels of old archives get their type's prefix.
        EXPECT_EQ(old->GetFacility(0)->GetLabel(), "c1");
        EXPECT_EQ(old->GetFacility(1)->GetLabel(), "s1");
        EXPECT_EQ(old->GetFacility(2)->GetLabel(), "d1");
        EXPECT_EQ(old->FindFacilityByLabel(FT_SUPPLIER, "s1"), old->GetFacility(1));
        EXPECT_EQ(old->FindFacilityByLabel(FT_SUPPLIER, "1"), nullptr);
        EXPECT_EQ(old->GetFacility(0)->GetName(), "North");
        EXPECT_EQ(old->GetFacility(1)->GetWorldLocation(), CLonLatPoint(6000, 8000));
        EXPECT_EQ(old->GetRoutedCount(), 2);
        EXPECT_EQ(old->GetDistance(1, 2), 10000.0);
        const auto& statistics = old->GetAlgorithmStatistics();
        EXPECT_EQ(statistics.size(), 1u);
        if (!statistics.empty()) {
            EXPECT_EQ(statistics[0]->m_strAlgoName, "Initial Load");
            EXPECT_EQ(statistics[0]->m_dDistance, 20000.0);
        }
        return old;
    }
};

TEST_F(BinaryProjectLayoutTest, TheArchiveHasTheFieldsOfTheLayoutInOrderAndWidth) {
    CFacility* c = AddCustomer("c1", 1000, 2000, 10);
    CFacility* s = AddSupplier("s1", 8000, 3000, 5);
    CFacility* d = AddDepot("d1", 5000, 5000);
    CRoute* r = AddRoute({d, c, s, d});
    doc->SetDocTitle("Layout");

    SArchiveProject p;
    p.name = "Layout";
    p.view = doc->GetViewLimits();
    p.orthogonal.view = doc->GetViewLimits();
    p.customer = Describe(c);
    p.supplier = Describe(s);
    p.depot = Describe(d);
    p.totals[0] = 10;
    p.totals[1] = 5;
    p.route.quantities[0] = 10;
    p.route.quantities[1] = 5;
    p.route.bounding = r->GetBoundingRect();
    p.route.color = r->GetColor().GetColorWord();
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            p.distances[i * 3 + j] = doc->GetDistance(i, j);
        }
    }
    const std::string stored = StoreBinaryProject(*doc);
    const std::string expected = BuildProjectArchive(p);
    EXPECT_EQ(stored, expected);

    // The depot's fields are there once (inside the route, whose list refers to it again at its
    // end); the depot label table refers to it: object 5.
    const std::string depotName = std::string(1, static_cast<char>(d->GetName().size())) + d->GetName();
    ASSERT_NE(stored.find(depotName), std::string::npos);
    EXPECT_EQ(stored.find(depotName), stored.rfind(depotName));
    const std::string routeArray = std::string("\x03\x80\x01\x00\x04\x00", 6); // class 3, one route: 4
    EXPECT_NE(stored.find(routeArray), std::string::npos);
    const std::string depotEntry = std::string("\x01\x00\x02"
                                               "d1\x05\x00",
                                               7);
    EXPECT_NE(stored.find(depotEntry), std::string::npos);
}

TEST_F(BinaryProjectLayoutTest, OlderVersionsReadTheFieldsTheyHadAndDefaultTheRest) {
    SArchiveProject p = OldProject(20013);
    p.manager = "Ann";
    p.category = "Test";
    p.routeMethod = 2;
    p.preferences[2] = 0.75;
    p.chainLength = 3;
    std::unique_ptr<CTramletDoc> old = LoadOld(p);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetRandomizationDepth(), 1);
    EXPECT_EQ(old->GetChainLength(), 3);
    EXPECT_EQ(old->m_manager + old->m_category, "AnnTest");
    EXPECT_EQ(old->GetRoutePreferences().GetRouteMethod(), 2);
    EXPECT_EQ(old->GetRoutePreferences().GetPreference(2), 0.75);

    // 20006: the Euclidean norm, no manager, company, category or route preferences.
    p = OldProject(20006);
    p.factor = 2.5;
    p.radius = 3958.76;
    p.oldNorm = 1; // the program part's own norm word of these versions
    p.routeMethod = 2;
    p.manager = "Ann";
    old = LoadOld(p);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetDistanceNorm().GetNorm(), DN_EUCLIDEAN);
    EXPECT_EQ(old->m_manager, "");
    EXPECT_EQ(old->GetRoutePreferences(), CMapPointRoutePreferences());
    EXPECT_EQ(old->GetDistanceFactor(), 2.5);
    EXPECT_EQ(old->GetWorldRadius(), 3958.76);

    // 20003 takes the world of a rectangular project from its view.
    p = OldProject(20003);
    p.world = CLonLatRect(1, 2, 3, 4);
    p.radius = 6000.0;
    old = LoadOld(p);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetWorldLimits(), CLonLatRect(0, 0, 10000, 10000));
    EXPECT_TRUE(old->GetOrthogonalProjection().IsInitialized());
    EXPECT_EQ(old->GetOrthogonalProjection().GetWorldLimits(), CLonLatRect(0, 0, 10000, 10000));
    EXPECT_EQ(old->GetDistanceFactor(), 1.0);
    EXPECT_EQ(old->GetWorldRadius(), 6000.0);
    EXPECT_FALSE(old->GetMercatorProjection().IsInitialized());

    // 20000 stores neither radius nor world limits nor map.
    p = OldProject(20000);
    p.radius = 1.0;
    old = LoadOld(p);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetWorldRadius(), 6371.0);
    EXPECT_EQ(old->GetWorldLimits(), CLonLatRect(0, 0, 10000, 10000));
    EXPECT_TRUE(old->GetGeoMap().IsEmpty());
}

TEST_F(BinaryProjectLayoutTest, Version20003OfAGeographicProjectStoresOnlyTheTwoGeographicProjections) {
    SArchiveProject p = OldProject(20003);
    p.projection = MP_MERCATOR;
    p.world = CLonLatRect(-1040000, 490000, -950000, 540000);
    p.mercator = SArchiveProjection{p.world, {}, 6371.0, 1};
    // A geographic project keeps packed coordinates; these stay inside the limits.
    for (SArchiveFacility* f : {&p.customer, &p.supplier, &p.depot}) {
        f->world = CLonLatPoint(-1000000 - f->index * 10000, 500000 + f->index * 10000);
    }
    std::unique_ptr<CTramletDoc> old = Load(BuildProjectArchive(p));
    ASSERT_NE(old, nullptr) << (Messages().empty() ? "" : Messages().front());
    EXPECT_EQ(old->GetWorldLimits(), p.world);
    EXPECT_TRUE(old->GetMercatorProjection().IsInitialized());
    EXPECT_FALSE(old->GetOrthogonalProjection().IsInitialized());
    EXPECT_EQ(old->GetFacility(2)->GetWorldLocation(), CLonLatPoint(-1020000, 520000));
}

TEST_F(BinaryProjectLayoutTest, LabelsOfOldArchivesChangeOnlyWhenCustomerAndSupplierShareTheFirstLabel) {
    SArchiveProject p = OldProject(20014);
    p.depot.label = "9";
    std::unique_ptr<CTramletDoc> old = Load(BuildProjectArchive(p));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetFacility(0)->GetLabel(), "c1");
    EXPECT_EQ(old->GetFacility(2)->GetLabel(), "9");

    p = OldProject(20014);
    p.customer.label = "A";
    p.supplier.label = "B";
    old = Load(BuildProjectArchive(p));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetFacility(1)->GetLabel(), "B");
    EXPECT_EQ(old->GetFacility(2)->GetLabel(), "1");
}

TEST_F(BinaryProjectLayoutTest, ScalarDataFilesUnknownVersionsAndBadNormsAreRefusedWithTheirMessages) {
    for (const char* start : {"[project_name]\tProbe\n", "[data_version]\t60\n", "[case]\tx\n"}) {
        EXPECT_EQ(Load(start, "/tmp/probe.tramlet"), nullptr);
        EXPECT_EQ(TakeMessages(),
                  (std::vector<std::string>{
                      "Illegal attempt to open the ASCII text file /tmp/probe.tramlet with the "
                      "Open command.  \nUse the Import command instead."}));
    }
    for (unsigned version : {19999u, 20015u}) {
        SArchiveProject p = OldProject(20014);
        p.version = version;
        EXPECT_EQ(Load(BuildProjectArchive(p), "v.tramlet"), nullptr);
        EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"Could not read from binary project file "
                                                            "\"v.tramlet\"\nThe archive reported error 7: "
                                                            "unsupported schema or data version"}));
    }
    SArchiveProject p = OldProject(20014);
    p.norm = 7;
    EXPECT_EQ(Load(BuildProjectArchive(p), "n.tramlet"), nullptr);
    EXPECT_EQ(TakeMessages(),
              (std::vector<std::string>{
                  "Invalid distance norm index 7 outside valid range [0, 5] stored in archive",
                  "Could not read from binary project file \"n.tramlet\"\nThe archive reported error 1: "
                  "unexpected file format"}));
}

TEST_F(BinaryProjectLayoutTest, ATruncatedArchiveIsRefusedAtEveryLengthWithoutLeavingAnything) {
    const std::string whole = BuildProjectArchive(OldProject(20014));
    for (std::size_t length = 0; length < whole.size(); ++length) {
        ASSERT_EQ(Load(whole.substr(0, length), "cut.tramlet"), nullptr) << length;
        std::vector<std::string> messages = TakeMessages();
        ASSERT_EQ(messages,
                  std::vector<std::string>{"Could not read from binary project file \"cut.tramlet\"\nThe "
                                           "archive reported error 3: attempt to read past end of file"})
            << length;
    }
    EXPECT_NE(Load(whole), nullptr);
}

TEST_F(BinaryProjectLayoutTest, ObjectsThatDoNotFitTogetherAreRefused) {
    SArchiveProject missing = OldProject(20014);
    missing.routeMissingFromArray = true;
    SArchiveProject mixed = OldProject(20014);
    mixed.customerAsSupplier = true;
    SArchiveProject badType = OldProject(20014);
    badType.customer.type = 2;
    SArchiveProject badMatrix = OldProject(20014);
    badMatrix.distances.pop_back();
    for (const SArchiveProject* p : {&missing, &mixed, &badType}) {
        EXPECT_EQ(Load(BuildProjectArchive(*p), "bad.tramlet"), nullptr);
        EXPECT_EQ(TakeMessages(), (std::vector<std::string>{"Could not read from binary project file "
                                                            "\"bad.tramlet\"\nThe archive reported error 1: "
                                                            "unexpected file format"}));
    }
    EXPECT_EQ(Load(BuildProjectArchive(badMatrix), "bad.tramlet"), nullptr);
    EXPECT_FALSE(TakeMessages().empty());

    // An inconsistent solution fails the open after the check.
    SArchiveProject p = OldProject(20014);
    p.capacity.value = 8; // the route's demand of 10 no longer fits
    EXPECT_EQ(Load(BuildProjectArchive(p), "over.tramlet"), nullptr);
    EXPECT_EQ(TakeMessages(),
              (std::vector<std::string>{"Total Customer quantity 10 exceeds vehicle capacity 8 on route 1"}));
}

} // namespace
