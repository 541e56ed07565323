#pragma once

#include <cstdlib>
#include <filesystem>

// The folder of the classic VRPB instances for the benchmark programs: TRAMLET_VRPB_DIR when set,
// else shared/benchmarks/vrpb beside the repository or one level above it; empty when there is
// none.
inline std::filesystem::path FindVrpbFolder() {
    namespace fs = std::filesystem;
    if (const char* named = std::getenv("TRAMLET_VRPB_DIR")) {
        return fs::is_directory(named) ? fs::path(named) : fs::path();
    }
    const fs::path root = fs::path(EXAMPLES_DIR).parent_path();
    for (const fs::path& candidate : {root.parent_path() / "shared" / "benchmarks" / "vrpb",
                                      root.parent_path().parent_path() / "shared" / "benchmarks" / "vrpb"}) {
        if (fs::is_directory(candidate)) {
            return candidate;
        }
    }
    return fs::path();
}
