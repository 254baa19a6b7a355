// What one production may ask of the machine. Productions are a few megabytes that
// strangers share; each limit lies well above what any real show needs and well
// below what would take gigabytes, minutes or the driver down. Every loader refuses
// what is beyond its limit before it decodes or allocates, with a counted error that
// names the file and what it declares, and the authoring tools warn about the same.
#pragma once

#include <cstdint>

// A picture: its sides, and its pixels in all (4096 x 4096, or 8192 x 2048).
constexpr int kMaxImageSide = 8192;
constexpr int64_t kMaxImagePixels = int64_t{16} << 20;
// An image file: four bytes a pixel, and room for a header and a colour map.
constexpr int64_t kMaxImageBytes = kMaxImagePixels * 4 + (int64_t{1} << 20);

// A scene document; the text reader's line and column limits keep a document that
// reads far smaller than this anyway.
constexpr int64_t kMaxDocumentBytes = int64_t{16} << 20;
// A shader source; the GL driver's compiler can overflow its stack on far less
// than the 10 MB that once took it down.
constexpr int64_t kMaxShaderBytes = int64_t{1} << 20;
// A music file: hours of compressed sound, or minutes of WAV.
constexpr int64_t kMaxMusicBytes = int64_t{256} << 20;
// Everything an archive declares, all entries together.
constexpr int64_t kMaxProductionBytes = int64_t{1} << 30;

// The lowest rate music is decoded from: no music is sampled slower, and resampling
// from a rate of a few hertz costs hundreds of megabytes.
constexpr int kMinMusicRate = 8000;

// The vertices of all meshes of one scene together, twice what one mesh may have.
constexpr int64_t kMaxSceneVertices = 2000000;
