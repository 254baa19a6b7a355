// The capture tool end to end: frames of productions the tests write, checked by
// their pixels.
#include <gtest/gtest.h>

#include <string>

#include "PlayHarness.h"
#include "makedemo/DemoMedia.h"

using playtest::Near;
using playtest::Picture;
using playtest::Production;
using playtest::ReadPng;

namespace {

const char kFlat[] = "<OrthoView Name=\"Flat\"/>\n";

// A scene showing `background` (the name of a still image written before it).
std::string SceneWith(const std::string& name, const std::string& background) {
    std::string scene = "<Scene Name=\"" + name + "\">\n";
    if (!background.empty()) {
        scene += "  <StillImage Role=\"BackgroundImage\" Name=\"" + background + "\"/>\n";
    }
    return scene + "  <OrthoView Role=\"View2D\" Name=\"Flat\"/>\n</Scene>\n";
}

std::string StillImage(const std::string& name, const std::string& texture,
                       const std::string& colour) {
    std::string image = "<StillImage Name=\"" + name + "\">\n";
    if (!texture.empty()) {
        image += "  <Texture Role=\"Texture\">" + texture + "</Texture>\n";
    }
    return image + "  " + colour + "\n</StillImage>\n";
}

std::string Part(const std::string& kind, const std::string& name, const std::string& endTime,
                 const std::string& scene, const std::string& image = "") {
    std::string part = "<" + kind + " Name=\"" + name + "\">\n  <float Role=\"EndTime\">" +
                       endTime + "</float>\n  <Scene Role=\"Scene\" Name=\"" + scene + "\"/>\n";
    if (!image.empty()) {
        part += "  <StillImage Role=\"Image\" Name=\"" + image + "\"/>\n";
    }
    return part + "</" + kind + ">\n";
}

// The demo listing `parts` (kind and name pairs) in this order.
std::string Demo(const std::vector<std::pair<std::string, std::string>>& parts) {
    std::string demo = "<Demo Name=\"D\">\n  <Part Role=\"PartList\" Container=\"List\">\n";
    for (const auto& [kind, name] : parts) {
        demo += "    <" + kind + " Name=\"" + name + "\"/>\n";
    }
    return demo + "  </Part>\n</Demo>\n";
}

std::string Document(const std::string& body) {
    return "<Nimbus>\n" + std::string(kFlat) + body + "</Nimbus>\n";
}

Picture Frame(const Production& show, long milliseconds) {
    char name[32];
    snprintf(name, sizeof name, "show-%07ld.png", milliseconds);
    return ReadPng(show / ("frames/" + std::string(name)));
}

unsigned long Centre(const Picture& picture) {
    return picture.At(320, 240);
}

}  // namespace

TEST(Capture, StillImageShowsItsTextureTintedByItsColour) {
    const Production show(
        Document(StillImage("Tga", "flat.tga", "<Color Role=\"Color\">#FFFFFF</Color>") +
                 StillImage("Jpg", "flat.jpg", "<Color Role=\"Color\">#FF8080</Color>") +
                 SceneWith("TgaScene", "Tga") + SceneWith("JpgScene", "Jpg") +
                 Part("Part", "First", "1", "TgaScene") + Part("Part", "Second", "2", "JpgScene") +
                 Demo({{"Part", "Second"}, {"Part", "First"}})));
    ASSERT_EQ(WriteFlatImage(show / "data", "flat.tga", 16, 16, 40, 160, 220), 0);
    ASSERT_EQ(WriteFlatImage(show / "data", "flat.jpg", 16, 16, 40, 160, 220), 0);
    std::string output;
    ASSERT_EQ(show.Capture("--at 0.5,1.5", &output), 0) << output;
    const Picture tga = Frame(show, 500);
    ASSERT_EQ(tga.width, 640);
    ASSERT_EQ(tga.height, 480);
    for (const auto& [x, y] : {std::pair{320, 240}, {0, 0}, {639, 479}}) {
        EXPECT_TRUE(Near(tga.At(x, y), 0x28A0DC)) << std::hex << tga.At(x, y);
    }
    // JPEG is lossy; #FF8080 halves green and blue.
    const Picture jpg = Frame(show, 1500);
    EXPECT_TRUE(Near(Centre(jpg), 0x28506E, 6)) << std::hex << Centre(jpg);
}

TEST(Capture, KeyedColourFadesWithThePartsTime) {
    const Production show(
        Document(StillImage("Fade", "",
                            "<LinColorValue Role=\"Color\"><Key Time=\"0\">#000000</Key>"
                            "<Key Time=\"2\">#FFFFFF</Key></LinColorValue>") +
                 SceneWith("S", "Fade") + Part("Part", "P", "3", "S") + Demo({{"Part", "P"}})));
    std::string output;
    ASSERT_EQ(show.Capture("--at 0,0.5,1,2.5", &output), 0) << output;
    EXPECT_TRUE(Near(Centre(Frame(show, 0)), 0x000000));
    EXPECT_TRUE(Near(Centre(Frame(show, 500)), 0x404040)) << std::hex << Centre(Frame(show, 500));
    EXPECT_TRUE(Near(Centre(Frame(show, 1000)), 0x808080)) << std::hex << Centre(Frame(show, 1000));
    EXPECT_TRUE(Near(Centre(Frame(show, 2500)), 0xFFFFFF));
}

TEST(Capture, PartImageIsDrawnOverItsScene) {
    const Production show(
        Document(StillImage("Blue", "", "<Color Role=\"Color\">#0000FF</Color>") +
                 StillImage("HalfRed", "", "<Color Role=\"Color\">#FF000080</Color>") +
                 StillImage("HalfGreen", "", "<Color Role=\"Color\">#00FF0080</Color>") +
                 SceneWith("BlueScene", "Blue") + SceneWith("Bare", "") +
                 Part("PartImage", "OverBlue", "1", "BlueScene", "HalfRed") +
                 Part("PartImage", "OverBare", "2", "Bare", "HalfGreen") +
                 Demo({{"PartImage", "OverBare"}, {"PartImage", "OverBlue"}})));
    std::string output;
    ASSERT_EQ(show.Capture("--at 0.5,1.5", &output), 0) << output;
    EXPECT_TRUE(Near(Centre(Frame(show, 500)), 0x80007F)) << std::hex << Centre(Frame(show, 500));
    // A scene without a background clears to red.
    EXPECT_TRUE(Near(Centre(Frame(show, 1500)), 0x7F8000)) << std::hex << Centre(Frame(show, 1500));
}

// Each part's image encodes the part's time in its own channel: full at one second.
TEST(Capture, PartsWrittenLastToFirstPlayInTimeOrderWithTheirOwnTimes) {
    const std::string ramps =
        StillImage("Red", "",
                   "<LinColorValue Role=\"Color\"><Key Time=\"0\">#000000</Key>"
                   "<Key Time=\"1\">#FF0000</Key></LinColorValue>") +
        StillImage("Green", "",
                   "<LinColorValue Role=\"Color\"><Key Time=\"0\">#000000</Key>"
                   "<Key Time=\"1\">#00FF00</Key></LinColorValue>") +
        StillImage("Blue", "",
                   "<LinColorValue Role=\"Color\"><Key Time=\"0\">#000000</Key>"
                   "<Key Time=\"1\">#0000FF</Key></LinColorValue>") +
        SceneWith("S", "");
    const std::string parts = Part("PartImage", "Late", "4", "S", "Red") +
                              Part("PartImage", "Middle", "2.5", "S", "Green") +
                              Part("PartImage", "Early", "1", "S", "Blue");
    const Production reversed(
        Document(ramps + parts +
                 Demo({{"PartImage", "Late"}, {"PartImage", "Middle"}, {"PartImage", "Early"}})));
    std::string output;
    EXPECT_EQ(reversed.Capture("--at 0.5,1.5,3,5", &output), 1) << output;
    EXPECT_TRUE(Near(Centre(Frame(reversed, 500)), 0x000080))
        << std::hex << Centre(Frame(reversed, 500));
    EXPECT_TRUE(Near(Centre(Frame(reversed, 1500)), 0x008000))
        << std::hex << Centre(Frame(reversed, 1500));
    EXPECT_TRUE(Near(Centre(Frame(reversed, 3000)), 0x800000))
        << std::hex << Centre(Frame(reversed, 3000));
    // The clock passed the last part at 4 s: no frame after it.
    EXPECT_NE(output.find("Warning: nimbus-capture: the show ended at 4.000 s, before 5.000 s\n"),
              std::string::npos)
        << output;
    EXPECT_FALSE(test::FileExists(reversed / "frames/show-0005000.png"));
}

TEST(Capture, RangeWritesEveryFrameNamedByItsMilliseconds) {
    const Production show(Document(StillImage("Grey", "", "<Color Role=\"Color\">#808080</Color>") +
                                   SceneWith("S", "Grey") + Part("Part", "P", "1", "S") +
                                   Demo({{"Part", "P"}})));
    std::string output;
    ASSERT_EQ(show.Capture("--fps 30 --from 0 --to 0.1", &output), 0) << output;
    for (const char* name :
         {"show-0000000.png", "show-0000033.png", "show-0000066.png", "show-0000100.png"}) {
        EXPECT_TRUE(Near(Centre(ReadPng(show / ("frames/" + std::string(name)))), 0x808080))
            << name;
    }
    EXPECT_FALSE(test::FileExists(show / "frames/show-0000133.png"));
    EXPECT_NE(output.find("Destroy: Done.\n"), std::string::npos) << output;
    EXPECT_NE(test::ReadFile(show / "nimbus.log").find("Destroy: Done.\n"), std::string::npos);
}

TEST(Capture, AFrameAtTheShowsEndTimeIsItsLastPictureNotAnError) {
    const Production show(Document(StillImage("Grey", "", "<Color Role=\"Color\">#808080</Color>") +
                                   SceneWith("S", "Grey") + Part("Part", "P", "1", "S") +
                                   Demo({{"Part", "P"}})));
    std::string output;
    EXPECT_EQ(show.Capture("--at 0.5,1", &output), 0) << output;
    EXPECT_TRUE(Near(Centre(Frame(show, 1000)), 0x808080)) << std::hex << Centre(Frame(show, 1000));
    EXPECT_EQ(output.find("the show ended"), std::string::npos) << output;
    // Past the end it is a warning, naming the end time itself.
    EXPECT_EQ(show.Capture("--from 0.9 --to 1.1", &output), 1) << output;
    EXPECT_NE(output.find("Warning: nimbus-capture: the show ended at 1.000 s, before 1.100 s\n"),
              std::string::npos)
        << output;
}

TEST(Capture, PartImageWithABrokenTextureDrawsItsPlainColourAndCounts) {
    const Production show(
        Document(StillImage("Broken", "broken.jpg", "<Color Role=\"Color\">#20C040</Color>") +
                 SceneWith("S", "") + Part("PartImage", "P", "1", "S", "Broken") +
                 Demo({{"PartImage", "P"}})));
    show.Add("broken.jpg", test::TestDataPath("images/notjpeg.jpg"));
    std::string output;
    EXPECT_EQ(show.Capture("--at 0.5", &output), 1) << output;
    EXPECT_TRUE(Near(Centre(Frame(show, 500)), 0x20C040)) << std::hex << Centre(Frame(show, 500));
    EXPECT_NE(output.find("NCon Failed:\n"), std::string::npos) << output;
}

// --stats plays the show to its end and prints one row per part, in play order.
TEST(Capture, StatsTableHasARowPerPartWithItsFramesAndWhatItSubmitted) {
    const Production show(Document(StillImage("Grey", "", "<Color Role=\"Color\">#808080</Color>") +
                                   SceneWith("Bare", "") + SceneWith("Back", "Grey") +
                                   Part("Part", "Plain", "1", "Bare") +
                                   Part("PartImage", "Pictures", "2", "Back", "Grey") +
                                   Demo({{"PartImage", "Pictures"}, {"Part", "Plain"}})));
    std::string output;
    ASSERT_EQ(show.Capture("--fps 10 --stats", &output), 0) << output;
    const size_t header = output.find("median ms   worst ms  triangles  sprites\n");
    ASSERT_NE(header, std::string::npos) << output;
    // Ten frames each; the background and the part image are two triangles apiece.
    const size_t plain = output.find("Plain                    0.00     1.00      10", header);
    const size_t pictures = output.find("Pictures                 1.00     2.00      10", header);
    ASSERT_NE(plain, std::string::npos) << output;
    ASSERT_NE(pictures, std::string::npos) << output;
    EXPECT_LT(plain, pictures);
    const auto rowEnd = [&](size_t at) { return output.substr(at, output.find('\n', at) - at); };
    EXPECT_NE(rowEnd(plain).find("          0        0"), std::string::npos) << rowEnd(plain);
    EXPECT_NE(rowEnd(pictures).find("          4        0"), std::string::npos) << rowEnd(pictures);
}
