#include "makedemo/Type.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The code points of UTF-8 text; bytes that do not start a sequence are skipped.
std::vector<unsigned> CodePoints(const std::string& text) {
    std::vector<unsigned> points;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 0;
        if (length == 0 || i + length > text.size()) {
            ++i;
            continue;
        }
        unsigned point = length == 1 ? lead : lead & (length == 2 ? 0x1F : 0x0F);
        for (int k = 1; k < length; ++k) {
            point = (point << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

double FromFixed(FT_Pos value) {
    return static_cast<double>(value) / 64.0;
}

}  // namespace

Typeface::~Typeface() {
    if (face) {
        FT_Done_Face(face);
    }
    if (library) {
        FT_Done_FreeType(library);
    }
}

int Typeface::Open(const std::string& path) {
    if (!library && FT_Init_FreeType(&library) != 0) {
        library = nullptr;
        return 1;
    }
    if (face) {
        FT_Done_Face(face);
        face = nullptr;
    }
    return FT_New_Face(library, path.c_str(), 0, &face) != 0 ? 1 : 0;
}

Mask Typeface::Line(const std::string& text, double pixelHeight, double squeeze,
                    double tracking) const {
    if (!face || FT_Set_Char_Size(face, std::lround(pixelHeight * squeeze * 64.0),
                                  std::lround(pixelHeight * 64.0), 72, 72) != 0) {
        return Mask();
    }
    // The pen position of every glyph, kerned, before anything is drawn: the mask
    // is sized from the line's advance.
    struct Placed {
        FT_UInt glyph;
        double x;
    };
    std::vector<Placed> placed;
    double pen = 0.0;
    FT_UInt previous = 0;
    for (unsigned point : CodePoints(text)) {
        const FT_UInt glyph = FT_Get_Char_Index(face, point);
        if (previous != 0 && FT_HAS_KERNING(face)) {
            FT_Vector kerning;
            FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kerning);
            pen += FromFixed(kerning.x);
        }
        if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT) != 0) {
            continue;
        }
        placed.push_back({glyph, pen});
        pen += FromFixed(face->glyph->advance.x) + tracking;
        previous = glyph;
    }
    const double ascender = FromFixed(face->size->metrics.ascender);
    const double descender = FromFixed(face->size->metrics.descender);
    Mask mask(static_cast<int>(std::ceil(std::max(0.0, pen - tracking))),
              static_cast<int>(std::ceil(ascender - descender)));
    for (const Placed& glyph : placed) {
        if (FT_Load_Glyph(face, glyph.glyph, FT_LOAD_RENDER) != 0) {
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;
        const int left = static_cast<int>(std::lround(glyph.x)) + slot->bitmap_left;
        const int top = static_cast<int>(std::lround(ascender)) - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            for (unsigned column = 0; column < bitmap.width; ++column) {
                const int x = left + static_cast<int>(column);
                const int y = top + static_cast<int>(row);
                if (x < 0 || y < 0 || x >= mask.width || y >= mask.height) {
                    continue;
                }
                const size_t at =
                    static_cast<size_t>(row) * static_cast<size_t>(bitmap.pitch) + column;
                const float cover = bitmap.buffer[at] / 255.0f;
                mask.Ref(x, y) = std::max(mask.Ref(x, y), cover);
            }
        }
    }
    return mask;
}
