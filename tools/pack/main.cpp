// nimbus-pack FOLDER ARCHIVE: packs a production folder into its .dat archive.
#include <cstdio>
#include <string>

#include "base/Con.h"
#include "cli/StandardOptions.h"
#include "pack/Pack.h"

namespace {

const char kPackUsage[] =
    "usage: nimbus-pack FOLDER ARCHIVE\n"
    "  Packs the production folder FOLDER into the zip archive ARCHIVE (show.dat),\n"
    "  which the player reads beside its own name (show). Files the player will refuse\n"
    "  (beyond its budgets, or pictures and music it cannot read) are packed with a\n"
    "  warning each; ARCHIVE itself is never packed, even inside FOLDER.\n"
    "  --help prints this text, --version the version.\n";

}  // namespace

int main(int argc, char** argv) {
    if (AnswerStandardOption(argc, argv, "nimbus-pack", kPackUsage)) {
        return 0;
    }
    if (argc != 3) {
        fputs(kPackUsage, stderr);
        return 2;
    }
    // The warnings come from the player's own loaders, through its log.
    Con.SetEcho(true);
    WarnAboutRefusals(argv[1], argv[2]);
    std::string error;
    if (PackDirectory(argv[1], argv[2], &error) != 0) {
        fprintf(stderr, "nimbus-pack: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
