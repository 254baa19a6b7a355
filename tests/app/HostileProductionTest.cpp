// Hand-made productions of the fuzz corpus played by the real player: each ends with
// a counted message that names what was refused, and with exit code 1.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "PlayHarness.h"

using playtest::Production;

namespace {

// Two short parts, each over a still image of one of the pictures, with music.
std::string PicturesAndMusic(const std::string& tga, const std::string& jpeg,
                             const std::string& music) {
    const std::string views =
        "<OrthoView Role=\"View2D\" Name=\"Flat\"/><OrthoView Role=\"View3D\" Name=\"Flat\"/>\n";
    return "<Nimbus>\n<OrthoView Name=\"Flat\"/>\n"
           "<Texture Name=\"T\">" +
           tga +
           "</Texture>\n"
           "<Texture Name=\"J\">" +
           jpeg +
           "</Texture>\n"
           "<StillImage Name=\"A\"><Texture Role=\"Texture\" Name=\"T\"/></StillImage>\n"
           "<StillImage Name=\"B\"><Texture Role=\"Texture\" Name=\"J\"/></StillImage>\n"
           "<Scene Name=\"S1\">\n<StillImage Role=\"BackgroundImage\" Name=\"A\"/>\n" +
           views +
           "</Scene>\n"
           "<Scene Name=\"S2\">\n<StillImage Role=\"BackgroundImage\" Name=\"B\"/>\n" +
           views +
           "</Scene>\n"
           "<Part Name=\"P1\"><float Role=\"EndTime\">0.3</float>"
           "<Scene Role=\"Scene\" Name=\"S1\"/></Part>\n"
           "<Part Name=\"P2\"><float Role=\"EndTime\">0.6</float>"
           "<Scene Role=\"Scene\" Name=\"S2\"/></Part>\n"
           "<Demo Name=\"D\">\n<String Role=\"SoundFile\"><string Role=\"s\">" +
           music +
           "</string></String>\n"
           "<Part Role=\"PartList\" Container=\"List\"><Part Name=\"P2\"/><Part "
           "Name=\"P1\"/></Part>\n"
           "</Demo>\n</Nimbus>\n";
}

bool Has(const std::string& log, const std::string& text) {
    return log.find(text) != std::string::npos;
}

}  // namespace

TEST(HostileProduction, HugePicturesAndAMegahertzStreamAreRefusedAndCounted) {
    const Production show(PicturesAndMusic("huge.tga", "huge.jpg", "fast.wav"));
    show.Add("huge.tga", test::CorpusPath("tga/regression-huge-header.tga"));
    show.Add("huge.jpg", test::CorpusPath("jpeg/regression-huge-header.jpg"));
    show.Add("fast.wav", test::CorpusPath("stream/regression-4mhz.wav"));
    std::string log;
    EXPECT_EQ(show.Play(&log), 1) << log;
    EXPECT_TRUE(Has(log, "Error: NBitmap: can not load <huge.tga>")) << log;
    EXPECT_TRUE(Has(log, "Error: NJPGFile: <huge.jpg> declares 16384x16384 pixels")) << log;
    EXPECT_TRUE(Has(log, "Error: NBitmap: can not load <huge.jpg>")) << log;
    EXPECT_TRUE(Has(log, "Error: StreamDecoder: <fast.wav> declares a rate of 4200000 Hz")) << log;
    EXPECT_TRUE(Has(log, "Destroy: Done.")) << log;
}

TEST(HostileProduction, MusicWhoseArchiveEntryLiesAboutItsSizeIsRefusedAndCounted) {
    const Production show("<Nimbus/>");  // the archive wins over the data folder
    std::filesystem::copy_file(test::CorpusPath("zip/regression-ratio-over-1000.dat"),
                               show / "show.dat");
    std::string log;
    EXPECT_EQ(show.Play(&log), 1) << log;
    EXPECT_TRUE(Has(log, "Error: NZipIO: entry [tune.ogg] declares 3145728 bytes")) << log;
    EXPECT_TRUE(Has(log, "NDemo: can't load music file")) << log;
    EXPECT_TRUE(Has(log, "Destroy: Done.")) << log;
}
