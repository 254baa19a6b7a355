#include "makedemo/DemoMedia.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/ClassTable.h"
#include "app/Demo.h"
#include "app/PartImage.h"
#include "base/Con.h"
#include "document/NimbusDocument.h"
#include "image/Bitmap.h"
#include "image/BitmapFormat.h"
#include "io/Data.h"
#include "reflect/String.h"
#include "sound/ModuleDecoder.h"
#include "sound/StreamDecoder.h"

namespace {

class DemoMedia : public ::testing::Test {
  protected:
    void SetUp() override { Con.EnableBuffer(true); }
    // The stream keeps pointing at the path it was mounted on.
    void Mount(const std::string& path) {
        mounted = path;
        DefaultInput.Mount(kDirectoryMode, mounted.c_str());
        DefaultInput.SetAsDefault(false);
    }
    void TearDown() override { DefaultInput.Unmount(); }
    test::TempDir dir;
    std::string mounted;
};

}  // namespace

namespace {

// Byte `channel` of the pixel at (x, y); columns and rows wrap, so a seam can be
// measured across the picture's edge.
int Channel(const NBitmap& bitmap, int x, int y, int channel) {
    const int bytes = BytesPerPixel(bitmap.Layout.Depth);
    const int wx = (x + bitmap.Width) % bitmap.Width;
    const int wy = (y + bitmap.Height) % bitmap.Height;
    return bitmap.Pixels[(static_cast<size_t>(wy) * bitmap.Width + wx) * bytes + channel];
}

// The mean difference of the colour between the line `at` and the one before it:
// columns when `across`, else rows.
double LineStep(const NBitmap& bitmap, int at, bool across) {
    double sum = 0;
    for (int i = 0; i < bitmap.Width; ++i) {
        const int x = across ? at : i;
        const int y = across ? i : at;
        for (int channel = 0; channel < 3; ++channel) {
            sum += std::abs(Channel(bitmap, x, y, channel) -
                            Channel(bitmap, x - (across ? 1 : 0), y - (across ? 0 : 1), channel));
        }
    }
    return sum / bitmap.Width;
}

}  // namespace

// Every picture reads back through the engine's codecs; the ones meshes repeat and
// spheres wrap tile without a seam; the type and the logo have soft, anti-aliased
// edges rather than hard steps.
TEST_F(DemoMedia, PicturesReadBackTileAndKeepSoftEdges) {
    ASSERT_EQ(WriteDemoImages(dir.Path()), 0) << test::LogText();
    Mount(dir.Path());
    const std::string tiling[] = {"clouds.jpg", "nebula.jpg", "planet.jpg",
                                  "moon.jpg",   "grid.jpg",   "inferno.jpg"};
    const std::string typeset[] = {"title.tga", "credits.tga", "logo.tga"};
    for (const char* name :
         {"loading.tga", "sky.jpg", "halo.jpg", "field.jpg", "veil.jpg", "clouds.jpg", "nebula.jpg",
          "planet.jpg", "moon.jpg", "grid.jpg", "inferno.jpg", "glow.tga", "tile.tga", "lens.tga",
          "title.tga", "credits.tga", "logo.tga"}) {
        SCOPED_TRACE(name);
        NBitmap bitmap;
        bitmap.SetName(name);
        bitmap.Load(DefaultInput);
        ASSERT_TRUE(bitmap.HasPixels()) << test::LogText();
        EXPECT_GE(bitmap.Width, 64);
        EXPECT_EQ(bitmap.Width, bitmap.Height);
        if (std::find(std::begin(tiling), std::end(tiling), name) != std::end(tiling)) {
            // Across the wrap the colour changes as it does between the neighbouring
            // lines on either side, both ways: a seam would stand out from them.
            for (bool across : {true, false}) {
                const double beside = std::max(LineStep(bitmap, 1, across),
                                               LineStep(bitmap, bitmap.Width - 1, across));
                EXPECT_LE(LineStep(bitmap, 0, across), 2.0 * beside + 4.0)
                    << (across ? "columns" : "rows");
            }
        }
        if (std::find(std::begin(typeset), std::end(typeset), name) != std::end(typeset)) {
            ASSERT_EQ(bitmap.Layout.Depth, NBitmap::B32);
            std::vector<bool> levels(256, false);
            for (int y = 0; y < bitmap.Height; ++y) {
                for (int x = 0; x < bitmap.Width; ++x) {
                    levels[Channel(bitmap, x, y, 3)] = true;
                }
            }
            EXPECT_TRUE(levels[0]) << "no clear background";
            EXPECT_GE(std::count(levels.begin() + 1, levels.end() - 1, true), 200)
                << "edges without their in-between shades";
        }
    }
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
}

TEST_F(DemoMedia, TuneIsAudibleOggVorbisOfTheAskedLength) {
    const std::string path = dir / "tune.ogg";
    ASSERT_EQ(WriteTune(path, 3.0), 0);
    SF_INFO info = {};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    EXPECT_EQ(info.format & SF_FORMAT_TYPEMASK, SF_FORMAT_OGG);
    EXPECT_EQ(info.format & SF_FORMAT_SUBMASK, SF_FORMAT_VORBIS);
    EXPECT_EQ(info.channels, 2);
    EXPECT_NEAR(static_cast<double>(info.frames) / info.samplerate, 3.0, 0.01);
    std::vector<float> samples(static_cast<size_t>(info.frames) * info.channels);
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    float loudest = 0.0f;
    for (float sample : samples) {
        loudest = std::max(loudest, std::fabs(sample));
    }
    EXPECT_GT(loudest, 0.1f);
    EXPECT_LE(loudest, 1.0f);
}

TEST_F(DemoMedia, ModuleIsNoStreamButLoadsAsAModule) {
    const std::string path = dir / "tune.mod";
    ASSERT_EQ(WriteModule(path), 0);
    const std::string image = test::ReadFile(path);
    EXPECT_EQ(image.substr(1080, 4), "M.K.");
    const auto* bytes = reinterpret_cast<const unsigned char*>(image.data());
    EXPECT_EQ(StreamDecoder::Open(bytes, image.size(), kMusicRate), nullptr);
    EXPECT_NE(ModuleDecoder::Open(bytes, image.size(), kMusicRate, true), nullptr);
}

// The bundled production as the build assembled it.
TEST_F(DemoMedia, BundledShowCompilesCleanlyWithItsPartsInTimeOrder) {
    NClassRegistration();
    Mount(NIMBUS_DEMO_DIR);
    NimbusDocument document;
    document.Load("demo.xml");
    auto* demo = static_cast<NDemo*>(document.CompileAndFind("Demo"));
    ASSERT_NE(demo, nullptr) << test::LogText();
    EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
    EXPECT_NE(demo->LoadingImage, nullptr);
    ASSERT_NE(demo->SoundFile, nullptr);
    EXPECT_TRUE(test::FileExists(std::string(NIMBUS_DEMO_DIR) + "/" + demo->SoundFile->Get()));
    float previousEnd = 0;
    int parts = 0;
    int imageParts = 0;
    int fades = 0;
    for (NListNodeClass* node = demo->PartList.next; node; node = node->next, ++parts) {
        auto* part = static_cast<NPart*>(node);
        EXPECT_GT(part->EndTime, previousEnd) << "a part that would never show";
        const float beats = part->EndTime / static_cast<float>(kTuneBeatSeconds);
        EXPECT_FLOAT_EQ(beats, std::round(beats)) << "a part change off the beat";
        EXPECT_NE(part->Scene, nullptr);
        previousEnd = part->EndTime;
        imageParts += dynamic_cast<NPartImage*>(part) != nullptr;
        fades += part->Fadeup > 0.05f || part->Fadedown > 0.05f;
    }
    EXPECT_GE(parts, 8);
    EXPECT_GE(imageParts, 2);
    EXPECT_GE(fades, 2);
    EXPECT_GE(previousEnd, 60.0f);
    EXPECT_NEAR(previousEnd, kTuneSeconds, 0.001);
}
