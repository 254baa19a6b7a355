#include "cli/StandardOptions.h"

#include <cstdio>
#include <cstring>

const char kNimbusVersion[] = NIMBUS_VERSION;

bool AnswerStandardOption(int argc, char** argv, const char* program, const char* usage) {
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--help") == 0) {
            fputs(usage, stdout);
            return true;
        }
        if (strcmp(argv[i], "--version") == 0) {
            printf("%s %s\n", program, kNimbusVersion);
            return true;
        }
    }
    return false;
}
