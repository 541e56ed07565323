// Times the computation of the whole distance matrix for projects of 200 and 400 facilities
// under the planar norms and the great-circle norm.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "model/distances/distance_data.h"

namespace {

std::vector<CLonLatPoint> PlanarLocations(int n) {
    std::mt19937 generator(12345);
    std::uniform_int_distribution<int> coordinate(0, 10000);
    std::vector<CLonLatPoint> locations;
    for (int k = 0; k < n; ++k) {
        locations.emplace_back(coordinate(generator), coordinate(generator));
    }
    return locations;
}

// Packed longitudes and latitudes inside 10 W to 10 E, 40 N to 50 N.
std::vector<CLonLatPoint> GeographicLocations(int n) {
    std::mt19937 generator(12345);
    std::uniform_int_distribution<int> degrees(-10, 9);
    std::uniform_int_distribution<int> minutesOrSeconds(0, 59);
    std::vector<CLonLatPoint> locations;
    for (int k = 0; k < n; ++k) {
        int lonDegrees = degrees(generator);
        int lon = lonDegrees * 10000 + (lonDegrees < 0 ? -1 : 1) *
                                           (minutesOrSeconds(generator) * 100 + minutesOrSeconds(generator));
        int lat = (40 + degrees(generator) / 2 + 5) * 10000 + minutesOrSeconds(generator) * 100 +
                  minutesOrSeconds(generator);
        locations.emplace_back(lon, lat);
    }
    return locations;
}

void RunComputeAllDistances(benchmark::State& state, EDISTANCENORM norm) {
    const int n = static_cast<int>(state.range(0));
    SDistanceSettings settings;
    settings.norm = norm;
    settings.distanceFactor = 1.2;
    settings.geographic = norm == DN_GREAT_CIRCLE;
    const std::vector<CLonLatPoint> locations =
        settings.geographic ? GeographicLocations(n) : PlanarLocations(n);
    CDistanceData data;
    data.SetSize(n);
    for (auto _ : state) {
        data.ComputeAllDistances(locations, settings);
        benchmark::DoNotOptimize(data.GetMatrix().GetData());
        benchmark::ClobberMemory();
    }
    state.counters["links"] = benchmark::Counter(static_cast<double>(n) * (n - 1) / 2,
                                                 benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ComputeAllDistancesEuclidean(benchmark::State& state) {
    RunComputeAllDistances(state, DN_EUCLIDEAN);
}
void BM_ComputeAllDistancesRectilinear(benchmark::State& state) {
    RunComputeAllDistances(state, DN_RECTILINEAR);
}
void BM_ComputeAllDistancesGreatCircle(benchmark::State& state) {
    RunComputeAllDistances(state, DN_GREAT_CIRCLE);
}

BENCHMARK(BM_ComputeAllDistancesEuclidean)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputeAllDistancesRectilinear)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComputeAllDistancesGreatCircle)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
