// Helpers shared by the image tests: bitmaps built in memory, folders and archives of
// image files, and the log split into lines.
#pragma once

#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/Con.h"
#include "image/Bitmap.h"
#include "io/Data.h"
#include "pack/Pack.h"

namespace imagetest {

using Bytes = std::vector<unsigned char>;
using Lines = std::vector<std::string>;

constexpr int B08 = NBitmap::B08, B24 = NBitmap::B24, B32 = NBitmap::B32;
constexpr int GRAY = NBitmap::GRAY, RGB = NBitmap::RGB, BGR = NBitmap::BGR;
constexpr int LEFT = NBitmap::LEFT, RIGHT = NBitmap::RIGHT, UP = NBitmap::UP, DOWN = NBitmap::DOWN;

inline std::unique_ptr<NBitmap> MakeBitmap(int width, int height, NBitmapLayout layout,
                                           const Bytes& pixels) {
    auto bitmap = std::make_unique<NBitmap>();
    bitmap->Width = width;
    bitmap->Height = height;
    bitmap->Layout = layout;
    bitmap->AdoptPixels(new unsigned char[pixels.size()]);
    memcpy(bitmap->Pixels, pixels.data(), pixels.size());
    return bitmap;
}

inline Bytes PixelsOf(const NBitmap& bitmap) {
    const size_t size = bitmap.Pixels ? static_cast<size_t>(bitmap.Width) * bitmap.Height *
                                            BytesPerPixel(bitmap.Layout.Depth)
                                      : 0;
    return Bytes(bitmap.Pixels, bitmap.Pixels + size);
}

// Bytes that differ from their neighbours, so that any misplaced byte shows.
inline Bytes Pattern(size_t count) {
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 37 + 11);
    }
    return bytes;
}

inline std::unique_ptr<NBitmap> LoadFrom(NData& stream, const std::string& name) {
    auto bitmap = std::make_unique<NBitmap>();
    bitmap->SetName(name.c_str());
    bitmap->Load(stream);
    return bitmap;
}

// The lines of the log buffer, without their CR LF.
inline Lines LogLines() {
    Lines lines;
    const std::string text = Con.BufferText() ? Con.BufferText() : "";
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

inline void ClearLog() {
    Con.EnableBuffer(false);
    Con.EnableBuffer(true);
}

// A stream on a folder (by default a new one, published as the default input), or on
// an archive holding copies of the named shared test images.
class ImageStore {
  public:
    ImageStore() { Mount(kDirectoryMode, dir.Path())->SetAsDefault(false); }
    explicit ImageStore(const char* folder) { Mount(kDirectoryMode, folder); }
    ImageStore(std::initializer_list<const char*> archived) {
        for (const std::string name : archived) {
            test::WriteFile(dir / ("src/" + name), test::ReadFile(TestImage(name)));
        }
        std::string error;
        PackDirectory(dir / "src", dir / "show.dat", &error);
        Mount(kArchiveMode, dir / "show.dat");
    }
    static std::string TestImage(const std::string& name) {
        return test::TestDataPath("images/" + name);
    }

    std::string operator/(const std::string& name) const { return dir / name; }
    NData& Stream() { return stream; }
    std::unique_ptr<NBitmap> Load(const std::string& name) { return LoadFrom(stream, name); }
    // Writes the bitmap with codec C under `name`; the codec's result.
    template <class C>
    int Write(NBitmap& bitmap, const std::string& name) {
        stream.OpenWrite(name.c_str());
        const int result = C(&bitmap, &stream).Write();
        stream.CloseFile();
        return result;
    }

  private:
    NData* Mount(int mode, const std::string& where) {
        path = where;
        stream.Mount(mode, path.c_str());
        return &stream;
    }

    test::TempDir dir;
    std::string path;
    NData stream;
};

// The shared test images, read in place.
inline ImageStore TestImages() {
    return ImageStore(test::TestDataPath("images").c_str());
}

}  // namespace imagetest
