// tessaro-demo-folder: prepares the program folder that scripts/demo starts
// the program from (see demo_folder.h).
#include "demo_folder.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER NEW_FOLDER CHIP STYLE COM1_LINE\n", argv[0]);
        return 2;
    }
    const std::string error = PrepareDemoFolder({argv[1], argv[2], argv[3], argv[4], argv[5]});
    if (!error.empty()) {
        std::fprintf(stderr, "demo: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
