// Counts the heap allocations of Ruin and Recreate Search between its 1000th and its 90000th
// iteration on the largest VRPB instance (F4), under both fleet rules: the ruins, the
// recreates and the copies of solutions reuse what was sized when the search was made, so the
// count should be 0. Skipped when the instances are absent.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "bench/bench_support.h"
#include "files/benchmark_instance_import.h"
#include "search/ruin_recreate_search.h"
#include "search/search_problem.h"

namespace {
std::atomic<long> g_allocations{0};
} // namespace

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* memory = std::malloc(size != 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

int main() {
    // The instances beside the repository, or beside the folder that holds it.
    const std::filesystem::path root = std::filesystem::path(EXAMPLES_DIR).parent_path();
    std::filesystem::path instance = root.parent_path() / "shared" / "benchmarks" / "vrpb" / "F4.vrpb";
    if (!std::filesystem::exists(instance)) {
        instance = root.parent_path().parent_path() / "shared" / "benchmarks" / "vrpb" / "F4.vrpb";
    }
    if (!std::filesystem::exists(instance)) {
        std::printf("search_allocations_bench: no VRPB instance F4 found, skipped\n");
        return 0;
    }
    SharedBenchEnvironment();
    std::unique_ptr<CTramletDoc> doc = OpenBenchmarkInstance(instance.string());
    for (EFleetRule rule : {EFleetRule::atMost, EFleetRule::exact}) {
        const SSearchProblem problem = BuildSearchProblem(*doc, rule);
        SSearchSettings settings;
        settings.fleetRule = rule;
        settings.iterationsWithoutImprovement = settings.iterations;
        CRuinRecreateSearch search(problem, settings, 7);
        long first = 0;
        long last = 0;
        search.Run([&](int iteration) {
            first = iteration == 1000 ? g_allocations.load() : first;
            last = iteration == 90000 ? g_allocations.load() : last;
            return true;
        });
        std::printf("fleet rule %-7s: %ld allocations from iteration 1000 to 90000\n", GetFleetRuleName(rule),
                    last - first);
    }
    return 0;
}
