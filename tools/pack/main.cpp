// nimbus-pack FOLDER ARCHIVE: packs a production folder into its .dat archive.
#include <cstdio>
#include <string>

#include "pack/Pack.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: nimbus-pack FOLDER ARCHIVE\n");
        return 2;
    }
    std::string error;
    if (PackDirectory(argv[1], argv[2], &error) != 0) {
        fprintf(stderr, "nimbus-pack: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
