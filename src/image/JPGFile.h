// JPEG image files through libjpeg, bound to the engine's streams. Greyscale files
// read as one byte a pixel, all others as RGB; every library failure is recovered
// from and reported as a failed read or write.
#pragma once

#include "image/BitmapFile.h"

class NJPGFile : public NBitmapFile {
  public:
    using NBitmapFile::NBitmapFile;
    int Read() override;
    int Write() override;
};
