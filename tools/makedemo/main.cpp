// Makes the bundled production's media: nimbus-makedemo DIR [MODULE]
// writes the pictures and tune.ogg into DIR, and the test module to MODULE.
#include <cstdio>
#include <string>

#include "base/Con.h"
#include "makedemo/DemoMedia.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        fprintf(stderr, "usage: nimbus-makedemo DIR [MODULE]\n");
        return 2;
    }
    // The codecs report through the log; here it goes to the terminal.
    Con.SetEcho(true);
    const std::string dir = argv[1];
    int failures = WriteDemoImages(dir);
    if (WriteTune(dir + "/tune.ogg", kTuneSeconds) != 0) {
        fprintf(stderr, "nimbus-makedemo: can't write %s/tune.ogg\n", dir.c_str());
        ++failures;
    }
    if (argc == 3 && WriteModule(argv[2]) != 0) {
        fprintf(stderr, "nimbus-makedemo: can't write %s\n", argv[2]);
        ++failures;
    }
    if (failures != 0) {
        fprintf(stderr, "nimbus-makedemo: %d files not written\n", failures);
        return 1;
    }
    return 0;
}
