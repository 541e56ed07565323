#pragma once

#include <string>
#include <vector>

#include "framework/geography/lon_lat.h"
#include "tests/support/archive_bytes.h"

// A project archive written field by field for any data version: one customer, one supplier
// and one depot on the route depot, customer, supplier, depot. The fields follow
// the table of the archive layout; the conditions on the data version are those of reading.
struct SArchiveLong {
    int value, lower, upper, defaultValue;
    std::string caption;
};
struct SArchiveDouble {
    double value, lower, upper, defaultValue;
    std::string caption;
};
struct SArchiveProjection {
    CLonLatRect world;
    CIntRect view;
    double radius = 6371.0;
    int initialized = 0;
};
struct SArchiveFacility {
    int type = 0;
    int index = 0;
    CIntPoint view;
    CLonLatPoint world;
    int quantity = 0;
    int size = 5;
    int shape = 0;
    CIntRect symbol;
    std::string label, name;
    std::uint32_t color = 0;
};
struct SArchiveRoute {
    std::string label = "1";
    int index = 0;
    int counts[3] = {1, 1, 2};
    int quantities[3] = {0, 0, 0};
    CIntRect bounding;
    std::uint32_t color = 0;
};

struct SArchiveProject {
    unsigned version = 20014;
    std::uint32_t status = 0;
    std::string name = "Old Project", author, subject, keywords, description;
    CIntRect view{0, 0, 10000, 10000};
    int projection = 0;
    std::string mapFile;
    double radius = 6371.0;
    double factor = 1.0;
    SArchiveLong grid{500, 1, 5000, 500, "Grid Size"};
    SArchiveLong label{250, 1, 2000, 250, "Label Size"};
    SArchiveLong vertex{100, 1, 1000, 100, "Vertex Size"};
    SArchiveLong iterations{20, 1, 32767, 20, "Maximum Replications"};
    SArchiveLong reportLevel{3, 0, 5, 3, "Report Level"};
    SArchiveLong seed{12345, 0, 32767, 1, "Seed"};
    SArchiveDouble timeLimit{30.0, 1.0, 360000.0, 120.0, "Time Limit"};
    SArchiveDouble tolerance{0.001, 0.0, 9.0, 0.001, "Tolerance"};
    CLonLatRect world{0, 0, 10000, 10000};
    SArchiveProjection mercator, albers, orthogonal{{0, 0, 10000, 10000}, {0, 0, 10000, 10000}, 6371.0, 1};
    std::uint32_t norm = 2;
    std::string manager, company, category;
    int routeMethod = 0;
    double preferences[4] = {0.5, 0.5, 0.5, 0.5};
    int specified[4] = {1, 1, 1, 1};
    int totals[3] = {0, 0, 0};
    int asymmetric = 0;
    int oldNorm = 2;
    int startingAngle = 0;
    int chainLength = 1;
    double crossover = 0.25;
    int depth = 1;
    SArchiveFacility customer, supplier, depot;
    SArchiveRoute route;
    // False: no route, every facility unrouted.
    bool routed = true;
    // Damage for the refusals: the route missing from the route array, the customer listed as
    // the supplier.
    bool routeMissingFromArray = false;
    bool customerAsSupplier = false;
    std::vector<double> distances = std::vector<double>(9, 0.0);
    SArchiveLong vehicles{10, 1, 500, 10, "Number of Vehicles"};
    SArchiveLong capacity{100, 1, 32767, 100, "Vehicle Capacity"};
    SArchiveDouble penalty{1000.0, 0.0, 1000000.0, 1000.0, "Infeasibility Penalty"};
};

inline void PutLong(CArchiveBytes& bytes, const SArchiveLong& p) {
    bytes.LongParameter(p.value, p.lower, p.upper, p.defaultValue, p.caption);
}
inline void PutDouble(CArchiveBytes& bytes, const SArchiveDouble& p) {
    bytes.DoubleParameter(p.value, p.lower, p.upper, p.defaultValue, p.caption);
}
inline void PutRect(CArchiveBytes& bytes, const CIntRect& r) {
    bytes.Ints({r.left, r.top, r.right, r.bottom});
}
inline void PutProjection(CArchiveBytes& bytes, const SArchiveProjection& p) {
    bytes.Ints({p.world.m_west, p.world.m_south, p.world.m_east, p.world.m_north});
    PutRect(bytes, p.view);
    bytes.Double(p.radius).Int(p.initialized);
}

// Index space of the objects: class CFacility 1, customer 2, class CRoute 3, route 4, depot 5,
// supplier 6 (with a route); without a route: customer 2, supplier 3, depot 4.
inline std::string BuildProjectArchive(const SArchiveProject& p) {
    const unsigned v = p.version;
    CArchiveBytes b;
    // Framework part.
    b.UInt(v).UInt(p.status).Str(p.name).Str(p.author).Str(p.subject).Str(p.keywords).Str(p.description);
    PutRect(b, p.view);
    b.Int(p.projection).Str(p.mapFile);
    if (v >= 20001) {
        b.Double(p.radius);
        if (v >= 20006) {
            b.Double(p.factor);
        }
    }
    PutLong(b, p.grid);
    PutLong(b, p.label);
    PutLong(b, p.vertex);
    PutLong(b, p.iterations);
    PutLong(b, p.reportLevel);
    PutLong(b, p.seed);
    PutDouble(b, p.timeLimit);
    PutDouble(b, p.tolerance);
    if (v > 20000) {
        b.Ints({p.world.m_west, p.world.m_south, p.world.m_east, p.world.m_north});
    }
    if (v >= 20004) {
        PutProjection(b, p.mercator);
        PutProjection(b, p.albers);
        PutProjection(b, p.orthogonal);
    } else if (v >= 20001 && p.projection != 0) {
        PutProjection(b, p.mercator);
        PutProjection(b, p.albers);
    }
    if (v > 20000) {
        b.Count(0); // no background map
    }
    if (v >= 20007) {
        b.UInt(p.norm);
    }
    if (v >= 20012) {
        b.Str(p.manager).Str(p.company).Str(p.category);
    }
    if (v >= 20013) {
        b.Int(p.routeMethod);
        for (double preference : p.preferences) {
            b.Double(preference);
        }
    }

    // Program part.
    b.Ints({p.specified[0], p.specified[1], p.specified[2], p.specified[3]});
    b.Ints({p.totals[0], p.totals[1], p.totals[2], 0}).Int(p.asymmetric);
    if (v < 20007) {
        b.Int(p.oldNorm);
    }
    b.Int(p.startingAngle).Int(p.chainLength).Double(p.crossover);
    if (v >= 20014) {
        b.Int(p.depth);
    }
    const std::uint16_t facilitySchema = v >= 20008 ? 20008 : static_cast<std::uint16_t>(v);
    auto facilityClass = [&](bool first) {
        if (first && v < 20008) {
            b.NewClass(facilitySchema, "CFacility");
        } else {
            b.ClassRef(1);
        }
    };
    auto facilityBody = [&](const SArchiveFacility& f, auto&& route) {
        b.Int(f.type).Int(f.index).Int(f.view.x).Int(f.view.y).Int(f.world.m_lon).Int(f.world.m_lat);
        b.Int(f.quantity).Int(f.size).Int(f.shape);
        PutRect(b, f.symbol);
        b.Str(f.label).Str(f.name);
        route();
        b.UInt(f.color).Int(f.world.m_lon).Int(f.world.m_lat);
    };
    auto none = [&]() { b.Null(); };
    if (v >= 20008) {
        b.NewClass(20008, "CFacility");
    }
    const std::uint16_t customer = 2;
    const std::uint16_t route = 4;
    const std::uint16_t depot = p.routed ? 5 : 4;
    const std::uint16_t supplier = p.routed ? 6 : 3;
    b.Count(1);
    facilityClass(true);
    facilityBody(p.customer, [&]() {
        if (!p.routed) {
            b.Null();
            return;
        }
        b.NewClass(v >= 20008 ? 20008 : facilitySchema, "CRoute").Str(p.route.label).Int(p.route.index);
        for (int type = 0; type < 3; ++type) {
            b.Int(p.route.counts[type]).Int(p.route.quantities[type]);
        }
        PutRect(b, p.route.bounding);
        b.UInt(p.route.color).Count(4);
        facilityClass(false);
        facilityBody(p.depot, none);
        b.ObjectRef(customer);
        facilityClass(false);
        facilityBody(p.supplier, [&]() { b.ObjectRef(route); });
        b.ObjectRef(depot);
    });
    b.Count(1);
    if (p.customerAsSupplier) {
        b.ObjectRef(customer);
    } else if (p.routed) {
        b.ObjectRef(supplier);
    } else {
        facilityClass(false);
        facilityBody(p.supplier, none);
    }
    b.Count(1);
    if (p.routed) {
        b.ObjectRef(depot);
    } else {
        facilityClass(false);
        facilityBody(p.depot, none);
    }
    if (v >= 20008) {
        if (p.routed) {
            b.ClassRef(3);
        } else {
            b.NewClass(20008, "CRoute");
        }
    }
    const bool listRoute = p.routed && !p.routeMissingFromArray;
    b.Count(listRoute ? 1 : 0);
    if (listRoute) {
        b.ObjectRef(route);
    }
    b.Count(1).Str(p.customer.label).ObjectRef(customer);
    b.Count(1).Str(p.supplier.label).ObjectRef(supplier);
    b.Count(1).Str(p.depot.label).ObjectRef(depot);
    b.Count(listRoute ? 1 : 0);
    if (listRoute) {
        b.Str(p.route.label).ObjectRef(route);
    }
    b.Ints({3, 3, 0});
    for (double d : p.distances) {
        b.Double(d);
    }
    PutLong(b, p.vehicles);
    PutLong(b, p.capacity);
    PutDouble(b, p.penalty);
    return b.Bytes();
}
