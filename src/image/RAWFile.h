// Raw image files: no header, the pixel block exactly as the bitmap holds it. The
// bitmap's size and layout must describe the file before it is read.
#pragma once

#include "image/BitmapFile.h"

class NRAWFile : public NBitmapFile {
  public:
    using NBitmapFile::NBitmapFile;
    int Read() override;
    int Write() override;
};
