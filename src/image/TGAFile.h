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
    // Sets the bitmap's depth and colour order from the header; false when the pixel
    // depth and attribute bits match no readable layout.
    bool ChooseTrueColourOrGreyLayout();
    // Skips a colour map that non-indexed pixels do not use, after its warning.
    int SkipUnusedColourMap();
    // A little-endian 16-bit header field.
    int Field(int offset) const { return header[offset] | header[offset + 1] << 8; }

    unsigned char header[kHeaderSize] = {};
};
