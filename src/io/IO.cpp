#include "io/IO.h"

int NIO::Mount(int mountMode, const char* mountPath) {
    Unmount();
    mode = mountMode;
    path = mountPath;
    return 0;
}

int NIO::Unmount() {
    mode = 0;
    return 0;
}
