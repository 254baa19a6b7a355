#include "preview/Preview.h"

int main(int argc, char** argv) {
    return PreviewMain(argc, argv);
}
