#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/batch_runner.h"

namespace {

// Node 1 a customer, node 2 the depot, node 3 a backhaul; an asymmetric matrix. One route
// 2 -> 1 -> 3 -> 2 is 5 + 7 + 2 = 14.
std::string Instance(const std::string& name, int capacity) {
    return "NAME : " + name +
           "\nTYPE : VRPB\nDIMENSION : 3\nVEHICLES : 2\nCAPACITY : " + std::to_string(capacity) +
           "\nEDGE_WEIGHT_TYPE : EXPLICIT\nEDGE_WEIGHT_FORMAT : FULL_MATRIX\nEDGE_WEIGHT_SECTION\n"
           "0 4 7\n5 0 9\n1 2 0\nDEMAND_SECTION\n1 3\n2 0\n3 6\nBACKHAUL_SECTION\n3 "
           "-1\nDEPOT_SECTION\n2\n-1\nEOF\n";
}

bool HavePython() {
    return std::system("python3 -c 1 >/dev/null 2>&1") == 0;
}

} // namespace

TEST(EcosystemCommandsTest, JsonParsesAndCarriesRoutesAndReferenceGaps) {
    if (!HavePython()) {
        GTEST_SKIP() << "python3 absent";
    }
    CTempFolder folder;
    WriteWholeFile(folder.File("tiny.vrpb"), Instance("tiny", 10));
    WriteWholeFile(folder.File("tiny.sol"), "Route #1: 1 2\nCost 14\n");
    SBatchRun run = RunBatchProgram(folder, "tiny.vrpb read-solution tiny.sol --json --reference-value 10");
    ASSERT_EQ(run.status, 0) << run.err;
    WriteWholeFile(folder.File("out.json"), run.out);
    // A real JSON parser reads it; the checks print what differs.
    const std::string check =
        "import json,sys\n"
        "d=json.load(open(sys.argv[1]))\n"
        "r=d['records'][-1]; t=d['routes'][0]\n"
        "got=(r['algorithm'],r['distance'],r['reference_gap_percent'],r['infeasibility_penalty'],\n"
        "     t['facilities'],t['distance'],t['delivery_load'],t['pickup_load'],d['project']['capacity'])\n"
        "want=('Read Solution',14.0,40.0,0.0,['2','1','3','2'],14.0,3,6,10)\n"
        "sys.exit(0 if got==want else print(got) or 1)\n";
    WriteWholeFile(folder.File("check.py"), check);
    EXPECT_EQ(std::system(("cd '" + folder.Path().string() + "' && python3 check.py out.json").c_str()), 0)
        << run.out;
}

TEST(EcosystemCommandsTest, InstanceRunnerWritesOneRowPerInstance) {
    CTempFolder folder;
    std::filesystem::create_directories(folder.Path() / "set");
    WriteWholeFile(folder.File("set/one.vrpb"), Instance("one", 10));
    WriteWholeFile(folder.File("set/two.vrpb"), Instance("two", 10));
    WriteWholeFile(folder.File("bks.csv"), "instance,bks\none,14\ntwo,10\n");
    SBatchRun run =
        RunBatchProgram(folder, "--instances set --best-known bks.csv --csv rows.csv savings-parallel");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("2 of 2 instances OK, mean gap 20.00% over 2"), std::string::npos) << run.out;
    std::string rows = ReadWholeFile(folder.File("rows.csv"));
    // The seconds column (the sixth) varies: blank it out.
    std::string::size_type line = rows.find('\n') + 1;
    while (line < rows.size()) {
        std::string::size_type start = line;
        for (int comma = 0; comma < 5; ++comma) {
            start = rows.find(',', start) + 1;
        }
        const std::string::size_type end = rows.find(',', start);
        rows.replace(start, end - start, "T");
        line = rows.find('\n', line) + 1;
    }
    EXPECT_EQ(rows, "instance,ok,distance,gap_percent,routes,seconds,seed\n"
                    "one,yes,14.00,0.00,1,T,12345\n"
                    "two,yes,14.00,40.00,1,T,12345\n");
}
