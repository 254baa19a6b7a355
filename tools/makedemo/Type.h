// Lines of text for the show's title and credits, rasterised by FreeType from a free
// font that Debian installs (fonts-dejavu-core), with FreeType's anti-aliased grey
// coverage, so the letters keep smooth edges however the pictures are laid out.
#pragma once

#include <string>

#include "makedemo/Canvas.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// Where Debian's fonts-dejavu-core puts its fonts.
constexpr const char* kSansBoldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char* kSansFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class Typeface {
  public:
    Typeface() = default;
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;
    ~Typeface();

    // Opens the font file at `path`; 0 on success.
    int Open(const std::string& path);

    // One line of UTF-8 `text`: glyphs `pixelHeight` pixels to the em, `squeeze` times
    // as wide as the font draws them (for pictures that are stretched when shown), and
    // `tracking` extra pixels after each letter. The mask spans the line's advance and
    // the font's ascender to descender; empty when no font is open.
    Mask Line(const std::string& text, double pixelHeight, double squeeze, double tracking) const;

  private:
    FT_LibraryRec_* library = nullptr;
    FT_FaceRec_* face = nullptr;
};
