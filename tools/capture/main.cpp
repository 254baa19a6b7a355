#include "capture/Capture.h"

int main(int argc, char** argv) {
    return CaptureMain(argc, argv);
}
