// TGA image files: uncompressed true colour (24 and 32 bits), grey (8 bits) and
// colour-mapped (8-bit indices into a 24-bit map); written as true colour or grey.
#pragma once

#include "image/BitmapFile.h"

class NTGAFile : public NBitmapFile {
  public:
    using NBitmapFile::NBitmapFile;
    int Read() override;
    int Write() override;

    static constexpr int kHeaderSize = 18;

  private:
    int ReadColourMapped();
    int ReadTrueColourOrGrey();
    // A little-endian 16-bit header field.
    int Field(int offset) const { return header[offset] | header[offset + 1] << 8; }

    unsigned char header[kHeaderSize] = {};
};
