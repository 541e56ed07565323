#include "tests/support/batch_runner.h"

#include <sys/wait.h>

#include <cstdio>

SBatchRun RunBatchProgram(const CTempFolder& folder, const std::string& arguments) {
    const std::string errFile = folder.File("stderr.txt");
    const std::string command = "cd '" + folder.Path().string() + "' && HOME='" + folder.Path().string() +
                                "' XDG_STATE_HOME= XDG_DATA_HOME= " + TRAMLET_BATCH + " " + arguments +
                                " 2>'" + errFile + "'";
    SBatchRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadWholeFile(errFile);
    return run;
}
