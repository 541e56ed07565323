// Times the road network: reading an extract and building its graph, and the whole distance
// matrix of 200 facilities over it (one search per facility), on the shipped example town and
// on a generated grid of 1000 x 1000 nodes written as a temporary .osm.pbf file. The counters
// give the network's size, the memory it holds and the process's peak resident memory.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <osmium/builder/attr.hpp>
#include <osmium/io/pbf_output.hpp>
#include <osmium/io/writer.hpp>
#include <random>
#include <string>

#include "bench/bench_support.h"
#include "model/distances/distance_data.h"
#include "roads/osm_road_network.h"

namespace {

constexpr int kGridSide = 1000;
constexpr double kGridStep = 0.001; // degrees, about 110 m north-south and 80 m east-west at 45 N
constexpr double kGridLatitude = 45.0;
constexpr double kGridLongitude = 5.0;
const std::string kExample = EXAMPLES_DIR "/millbrook/millbrook.osm";

// The process's peak resident memory in MB, from /proc/self/status.
double PeakResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0.0;
}

// The highway value of grid line k: every 100th a primary road, every 20th tertiary, every 250th
// a trunk road, the rest residential.
const char* GridHighway(int k) {
    return k % 250 == 0 ? "trunk" : k % 100 == 0 ? "primary" : k % 20 == 0 ? "tertiary" : "residential";
}

bool g_gridWritten = false;

// Writes the grid extract once per process and gives its path.
const std::string& GridExtract() {
    static const std::string path = [] {
        const std::string file = (std::filesystem::temp_directory_path() /
                                  ("tramlet-grid-" + std::to_string(::getpid()) + ".osm.pbf"))
                                     .string();
        using namespace osmium::builder::attr;
        osmium::io::Writer writer{file, osmium::io::Header{}, osmium::io::overwrite::allow};
        auto nodeId = [](int row, int column) {
            return static_cast<osmium::object_id_type>(row * kGridSide + column + 1);
        };
        osmium::memory::Buffer buffer{1 << 20, osmium::memory::Buffer::auto_grow::yes};
        auto flush = [&] {
            if (buffer.committed() > (1 << 22)) {
                writer(std::move(buffer));
                buffer = osmium::memory::Buffer{1 << 20, osmium::memory::Buffer::auto_grow::yes};
            }
        };
        for (int row = 0; row < kGridSide; ++row) {
            for (int column = 0; column < kGridSide; ++column) {
                osmium::builder::add_node(
                    buffer, _id(nodeId(row, column)), _version(1),
                    _location(kGridLongitude + column * kGridStep, kGridLatitude + row * kGridStep));
                flush();
            }
        }
        osmium::object_id_type wayId = 1;
        std::vector<osmium::object_id_type> refs(kGridSide);
        for (int line = 0; line < 2 * kGridSide; ++line) {
            const int k = line % kGridSide;
            for (int m = 0; m < kGridSide; ++m) {
                refs[m] = line < kGridSide ? nodeId(k, m) : nodeId(m, k);
            }
            osmium::builder::add_way(buffer, _id(wayId++), _version(1), _nodes(refs),
                                     _tag("highway", GridHighway(k)),
                                     _tag("oneway", k % 7 == 3 ? "yes" : "no"));
            flush();
        }
        writer(std::move(buffer));
        writer.close();
        g_gridWritten = true;
        return file;
    }();
    return path;
}

// n packed positions inside the rectangle (fractional degrees).
std::vector<CLonLatPoint> RandomLocations(int n, double south, double west, double north, double east) {
    std::mt19937 generator(2026);
    std::uniform_real_distribution<double> latitude(south, north), longitude(west, east);
    std::vector<CLonLatPoint> locations;
    for (int k = 0; k < n; ++k) {
        locations.emplace_back(FracDegToDegMinSec(longitude(generator)),
                               FracDegToDegMinSec(latitude(generator)));
    }
    return locations;
}

void ReportFigures(benchmark::State& state, const COsmRoadNetwork& network) {
    const SRoadNetworkFigures figures = network.GetFigures();
    state.counters["nodes"] = static_cast<double>(figures.nodes);
    state.counters["segments"] = static_cast<double>(figures.segments);
    state.counters["network_MB"] = static_cast<double>(figures.memoryBytes) / (1024.0 * 1024.0);
    state.counters["peak_RSS_MB"] = PeakResidentMegabytes();
}

void RunLoad(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        COsmRoadNetwork network(path);
        network.Start();
        state.PauseTiming();
        ReportFigures(state, network);
        state.ResumeTiming();
    }
}

// The whole matrix of 200 facilities spread over the rectangle, a new session each time.
void RunMatrix(benchmark::State& state, const std::string& path, double south, double west, double north,
               double east) {
    CBenchEnvironment environment;
    COsmRoadNetwork network(path);
    SetRoadNetworkProvider(&network);
    SDistanceSettings settings;
    settings.norm = DN_TRANSPORTATION_NETWORK;
    settings.geographic = true;
    const std::vector<CLonLatPoint> locations = RandomLocations(200, south, west, north, east);
    CDistanceData data;
    for (auto _ : state) {
        data.ComputeAllDistances(locations, settings);
        benchmark::DoNotOptimize(data.GetMatrix().GetData());
    }
    ReportFigures(state, network);
    SetRoadNetworkProvider(nullptr);
}

void BM_LoadExampleTown(benchmark::State& state) {
    RunLoad(state, kExample);
}

void BM_MatrixExampleTown(benchmark::State& state) {
    RunMatrix(state, kExample, 40.0, -40.0, 40.024, -39.97);
}

void BM_LoadGrid(benchmark::State& state) {
    RunLoad(state, GridExtract());
}

// One search across the whole grid, corner to corner (quickest route).
void BM_SearchGrid(benchmark::State& state) {
    COsmRoadNetwork network(GridExtract());
    network.Start();
    const double span = (kGridSide - 1) * kGridStep;
    const CMapPointRoutePreferences preferences;
    for (auto _ : state) {
        benchmark::DoNotOptimize(network.GetRoadDistance(
            {kGridLatitude, kGridLongitude}, {kGridLatitude + span, kGridLongitude + span}, preferences));
        network.Quit();
    }
}

void BM_MatrixGrid(benchmark::State& state) {
    const double span = (kGridSide - 1) * kGridStep;
    RunMatrix(state, GridExtract(), kGridLatitude, kGridLongitude, kGridLatitude + span,
              kGridLongitude + span);
}

} // namespace

BENCHMARK(BM_LoadExampleTown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatrixExampleTown)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGrid)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_SearchGrid)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_MatrixGrid)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_gridWritten) {
        std::remove(GridExtract().c_str());
    }
    return 0;
}
