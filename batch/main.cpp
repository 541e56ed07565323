#include <cstdio>
#include <cstring>
#include <string>

#include "app/tramlet_version.h"

namespace {

void PrintHelp() {
    std::printf("Usage: tramlet-batch [options] [PROJECT] [COMMAND...]\n"
                "\n"
                "Opens a Tramlet project, runs the commands in order and prints the statistics list.\n"
                "\n"
                "Options:\n"
                "  --help       show this text and exit\n"
                "  --version    show the program's version and exit\n");
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            PrintHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            const SVersionRecord record = GetTramletVersionRecord();
            std::printf("%s Version %s %s\n", record.productName.c_str(), record.productVersion.c_str(),
                        record.productDate.c_str());
            return 0;
        }
    }
    PrintHelp();
    return 2;
}
