// The check tool end to end: productions the tests write, checked without a display
// and compared with what the player itself reports when it plays them.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "PlayHarness.h"

using playtest::Production;
using playtest::Program;

namespace {

const char kVertex[] =
    "void main() {\n"
    "    gl_TexCoord[0] = gl_MultiTexCoord0;\n"
    "    gl_Position = ftransform();\n"
    "}\n";
const char kFragment[] =
    "uniform sampler2D Texture0;\n"
    "void main() {\n"
    "    gl_FragColor = texture2D(Texture0, gl_TexCoord[0].xy);\n"
    "}\n";
// Line 3 names a variable that does not exist.
const char kBrokenFragment[] =
    "uniform sampler2D Texture0;\n"
    "void main() {\n"
    "    gl_FragColor = texture2D(Texture0, gl_TexCoord[0].xy) * tint;\n"
    "}\n";

std::string Shader(const std::string& name, const std::string& vertex,
                   const std::string& fragment) {
    return "<Shader Name=\"" + name + "\">\n  <string Role=\"VertexShaderFilename\">" + vertex +
           "</string>\n  <string Role=\"FragmentShaderFilename\">" + fragment +
           "</string>\n</Shader>\n";
}

// A scene whose background is the picture `file`.
std::string PictureScene(const std::string& name, const std::string& file) {
    return "<StillImage Name=\"" + name + "Image\">\n  <Texture Role=\"Texture\">" + file +
           "</Texture>\n  <Color Role=\"Color\">#FFFFFF</Color>\n</StillImage>\n<Scene Name=\"" +
           name + "\">\n  <StillImage Role=\"BackgroundImage\" Name=\"" + name +
           "Image\"/>\n  <OrthoView Role=\"View2D\" Name=\"Flat\"/>\n</Scene>\n";
}

std::string Part(const std::string& name, const std::string& endTime, const std::string& scene) {
    std::string part =
        "<Part Name=\"" + name + "\">\n  <float Role=\"EndTime\">" + endTime + "</float>\n";
    if (!scene.empty()) {
        part += "  <Scene Role=\"Scene\" Name=\"" + scene + "\"/>\n";
    }
    return part + "</Part>\n";
}

// The demo playing `music` with the parts in this order of the list.
std::string Demo(const std::string& music, const std::vector<std::string>& parts) {
    std::string demo = "<Demo Name=\"D\">\n  <String Role=\"SoundFile\"><string Role=\"s\">" +
                       music +
                       "</string></String>\n  <Part Role=\"PartList\" Container=\"List\">\n";
    for (const std::string& part : parts) {
        demo += "    <Part Name=\"" + part + "\"/>\n";
    }
    return demo + "  </Part>\n</Demo>\n";
}

std::string Document(const std::string& body) {
    return "<Nimbus>\n<OrthoView Name=\"Flat\"/>\n" + body + "</Nimbus>\n";
}

// Runs the check tool on `show` in its folder with no display at all.
int Check(const Production& show, std::string* output) {
    Program check(show.Path(), std::string(NIMBUS_CHECK_PATH) + " show", {"DISPLAY="});
    return check.Wait(output);
}

// Every counted message of the player's log, in the check's output too.
void ExpectPlayersMessagesIn(const std::string& playerLog, const std::string& checkOutput) {
    std::istringstream lines(playerLog);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("Error: ", 0) == 0 || line.rfind("Warning: ", 0) == 0) {
            EXPECT_NE(checkOutput.find(line), std::string::npos) << line;
        }
    }
}

}  // namespace

TEST(Check, SoundProductionPassesWithItsSummary) {
    // Written last to first: the list plays Opening, then Closing.
    const Production show(Document(Shader("Tinted", "shaders/tint.vert", "shaders/tint.frag") +
                                   PictureScene("S", "pic.tga") + Part("Closing", "3", "S") +
                                   Part("Opening", "1.5", "S") +
                                   Demo("tone.ogg", {"Closing", "Opening"})));
    show.Add("pic.tga", test::TestDataPath("images/utc24.tga"));
    show.Add("tone.ogg", test::TestDataPath("music/tone.ogg"));
    show.AddText("shaders/tint.vert", kVertex);
    show.AddText("shaders/tint.frag", kFragment);
    std::string output;
    EXPECT_EQ(Check(show, &output), 0) << output;
    EXPECT_EQ(output.find("Error"), std::string::npos) << output;
    EXPECT_NE(output.find("    0.000 -     1.500 s  \"Opening\"\n"), std::string::npos) << output;
    EXPECT_NE(output.find("    1.500 -     3.000 s  \"Closing\"\n"), std::string::npos) << output;
    EXPECT_NE(output.find("    pic.tga  128 x 128\n"), std::string::npos) << output;
    EXPECT_NE(output.find("    shaders/tint.vert + shaders/tint.frag\n"), std::string::npos);
    EXPECT_NE(output.find("  music: tone.ogg  3.000 s\n"), std::string::npos) << output;

    std::string log;
    EXPECT_EQ(show.Play(&log), 0) << log;
}

TEST(Check, BrokenProductionReportsEveryProblemTheWayThePlayerDoes) {
    // The list plays Empty (to 10 s, past the 3-second tune) and then Early, whose
    // end time lies before it, so it never comes on.
    const Production show(Document(Shader("Broken", "shaders/ok.vert", "shaders/broken.frag") +
                                   Shader("Half", "shaders/ok.vert", "shaders/gone.frag") +
                                   PictureScene("S", "missing.tga") + Part("Early", "1", "S") +
                                   Part("Empty", "10", "") + Demo("tone.ogg", {"Early", "Empty"})));
    show.Add("tone.ogg", test::TestDataPath("music/tone.ogg"));
    show.AddText("shaders/ok.vert", kVertex);
    show.AddText("shaders/broken.frag", kBrokenFragment);
    std::string output;
    EXPECT_EQ(Check(show, &output), 1) << output;
    for (const char* message : {
             "Error: shaders/broken.frag:3: 'tint' : undeclared identifier\n",
             "Error: nimbus-check: shader source <shaders/gone.frag> can't be loaded\n",
             "Error: NBitmap: can not load <missing.tga>\n",
             "Error: NPart: part ending at 10.000 s has no Scene\n",
             "Warning: nimbus-check: part \"Early\" ends at 1.000 s, not after the part before "
             "it (10.000 s), so it is never shown\n",
             "Warning: nimbus-check: the timeline (10.000 s) is longer than the music (3.000 s)\n",
             "    missing.tga  (not loaded)\n",
             "NCon Failed:\n7 errors\n",
         }) {
        EXPECT_NE(output.find(message), std::string::npos) << message << "\n" << output;
    }
    std::string log;
    EXPECT_EQ(show.Play(&log), 1) << log;
    ExpectPlayersMessagesIn(log, output);
}

TEST(Check, ProductionThatCannotBeFoundOrReadFails) {
    const Production nothing("");
    std::filesystem::remove(nothing / "data/show.xml");
    std::filesystem::remove(nothing / "data");
    std::string output;
    EXPECT_EQ(Check(nothing, &output), 1) << output;
    EXPECT_NE(output.find("failed to load the document <show.xml>\n"), std::string::npos) << output;
    EXPECT_NE(output.find("Error: nimbus-check: no demo to check in show\n"), std::string::npos);

    const Production unreadable("<Nimbus><Demo Name=\"D\">");
    EXPECT_EQ(Check(unreadable, &output), 1) << output;
    EXPECT_NE(output.find("failed to load the document <show.xml>\n"), std::string::npos) << output;
}
