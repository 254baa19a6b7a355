// The check tool end to end: productions the tests write, checked without a display
// and compared with what the player itself reports when it plays them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "PlayHarness.h"
#include "SetUpRefusals.h"
#include "pack/Pack.h"

using playtest::Production;
using playtest::Program;

namespace {

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

// The count that the log's last line gives, or -1.
int CountIn(const std::string& log) {
    const size_t at = log.rfind("NCon Failed:\n");
    return at == std::string::npos ? -1 : atoi(log.c_str() + at + strlen("NCon Failed:\n"));
}

// The line of the first line of `document` that holds `text`.
int LineOf(const std::string& document, const std::string& text) {
    const size_t at = document.find(text);
    return at == std::string::npos
               ? 0
               : 1 + static_cast<int>(std::count(document.begin(), document.begin() + at, '\n'));
}

// Plays `show` with the log switched on; its standard error (the player writes
// nothing else to the terminal) goes to `errors`.
int PlayShowingErrors(const Production& show, std::string* errors) {
    const playtest::XServer x;
    std::unique_ptr<Program> player(show.Start(x));
    return player->Wait(errors);
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
    show.AddText("shaders/tint.vert", setup_refusals::kVertex);
    show.AddText("shaders/tint.frag", setup_refusals::kFragment);
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
    show.AddText("shaders/ok.vert", setup_refusals::kVertex);
    show.AddText("shaders/broken.frag", kBrokenFragment);
    std::string output;
    EXPECT_EQ(Check(show, &output), 1) << output;
    for (const char* message : {
             "Error: shaders/broken.frag:3: 'tint' : undeclared identifier\n",
             "Error: show.xml:7: nimbus-check: shader source <shaders/gone.frag> can't be loaded\n",
             "Warning: show.xml:7: NStdIO::Load: file [shaders/gone.frag] not found\n",
             "Error: NBitmap: can not load <missing.tga>\n",
             "Error: NPart: part ending at 10.000 s has no Scene\n",
             "Warning: nimbus-check: part \"Early\" ends at 1.000 s, not after the part before "
             "it (10.000 s), so it is never shown\n",
             "Warning: nimbus-check: the timeline (10.000 s) is longer than the music (3.000 s)\n",
             "Warning: show.xml:12: nimbus-check: the image of a texture, <missing.tga>, did not "
             "load\n",
             "    missing.tga  (not loaded)\n",
             "NCon Failed:\n9 errors\n",
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

    // Read whole despite a warning: the player stops there, the check compiles on.
    const Production warned(
        "<Nimbus>\n<Float>1</Float>\n<Demo Name=\"D\"><Colour Role=\"x\"/>"
        "</Demo>\n</Nimbus>\n");
    EXPECT_EQ(Check(warned, &output), 1) << output;
    for (const char* message :
         {"Warning: show.xml:2: name of node Float is missing\n",
          "failed to load the document <show.xml>\n",
          "Warning: show.xml:3: unknown class [Colour]; did you mean Color?\n",
          "failed to compile document\n"}) {
        EXPECT_NE(output.find(message), std::string::npos) << message << "\n" << output;
    }
}

TEST(Check, SetUpRefusalsCountAsInThePlayer) {
    const Production show(setup_refusals::Document());
    show.Add("pic.tga", test::TestDataPath("images/utc24.tga"));
    show.AddText("plain.vert", setup_refusals::kVertex);
    show.AddText("plain.frag", setup_refusals::kFragment);
    std::string output;
    EXPECT_EQ(Check(show, &output), 1) << output;
    std::string errors;
    EXPECT_EQ(PlayShowingErrors(show, &errors), 1) << errors;
    const std::string log = show.Log();
    for (const char* message : {"no target", "needs a material with the",
                                "Error: NRaytracer: more than 255 ray primitives"}) {
        EXPECT_NE(output.find(message), std::string::npos) << message << "\n" << output;
        EXPECT_NE(log.find(message), std::string::npos) << message << "\n" << log;
        // The player says so on standard error as well as in its log.
        EXPECT_NE(errors.find(message), std::string::npos) << message << "\n" << errors;
    }
    EXPECT_EQ(CountIn(output), 3) << output;
    EXPECT_EQ(CountIn(log), CountIn(output)) << log;
    EXPECT_NE(errors.find("./show: 3 errors, 0 warnings, 0 notes; the full log is in nimbus.log\n"),
              std::string::npos)
        << errors;
}

TEST(Check, AuthorsMistakesAreNamedWhereTheyAre) {
    const std::string document =
        "<Nimbus>\n"
        "<OrthoView Name=\"Flat\"/>\n"
        "<Texture Name=\"Photo\">photo.png</Texture>\n"
        "<StillImage Name=\"Back\"><Texture Role=\"Texture\" Name=\"Phot\"/></StillImage>\n"
        "<StillImage Name=\"Front\"><Texture Role=\"Texture\" Name=\"Photo\"/></StillImage>\n"
        "<_2DColorTexMaterial Name=\"Glass\"><Shader Role=\"Shader\" Name=\"Late\"/>"
        "</_2DColorTexMaterial>\n" +
        Shader("Late", "plain.vert", "plain.frag") +
        "<PAANode Name=\"Q\"><Vector Role=\"Position\">0 0 -10</Vector>\n"
        "<Float Role=\"RotationAngle\">0</Float><Vector Role=\"RotationAxis\">0 0 1</Vector>\n"
        "<RoundQuad Role=\"Object\"><_2DColorTexMaterial Role=\"Material\" Name=\"Glass\"/>\n"
        "<float Role=\"Lenght\">3</float>\n"
        "<float Role=\"Width\">3OO</float>\n"
        "<int Role=\"Lines\">0x10</int>\n"
        "<int Role=\"Divisions\">99999999999</int>\n"
        "</RoundQuad></PAANode>\n"
        "<Scene Name=\"S\"><StillImage Role=\"BackgroundImage\" Name=\"Back\"/>\n"
        "<OrthoView Role=\"View2D\" Name=\"Flat\"/><OrthoView Role=\"View3D\" Name=\"Flat\"/>\n"
        "<TransformNode Role=\"Nodes\" Container=\"Tree\"><PAANode Name=\"Q\"/></TransformNode>\n"
        "</Scene>\n" +
        Part("P", "1", "S") + Demo("", {"P"}) + "<Sceen Name=\"Typo\"/>\n</Nimbus>\n";
    const Production show(document);
    show.AddText("photo.png", "\x89PNG\r\n\x1a\n and the rest of a picture");
    show.AddText("plain.vert", setup_refusals::kVertex);
    show.AddText("plain.frag", setup_refusals::kFragment);
    auto at = [&document](const std::string& text) {
        return "show.xml:" + std::to_string(LineOf(document, text)) + ": ";
    };

    // The player stops at the compile errors and says where they are.
    std::string errors;
    EXPECT_EQ(PlayShowingErrors(show, &errors), 1) << errors;
    for (const std::string& message : std::vector<std::string>{
             "Warning: " + at("Lenght") +
                 "unknown member [Lenght] of [RoundQuad]; did you mean Length?\n",
             "Warning: " + at("Sceen") + "unknown class [Sceen]; did you mean Scene?\n",
             at("3OO") + "number text [3OO] is read as 3; what follows the number is ignored\n",
             at("0x10") + "number text [0x10] is read as the int 0\n",
             at("99999999999") + "number text [99999999999] is out of range for an int\n",
             std::string("./show: 0 errors, 3 warnings, 3 notes; the full log is in nimbus.log\n"),
         }) {
        EXPECT_NE(errors.find(message), std::string::npos) << message << "\n" << errors;
    }
    EXPECT_EQ(errors.find("GetMemberIndex"), std::string::npos) << "plain lines stay in the log";

    // The check holds the author to the notes, finds what the player never reaches,
    // and says that the archive it reads hides the folder beside it.
    std::string packError;
    ASSERT_EQ(PackDirectory(show / "data", show / "show.dat", &packError), 0) << packError;
    std::string output;
    EXPECT_EQ(Check(show, &output), 1) << output;
    for (const std::string& message : std::vector<std::string>{
             std::string("did you mean Length?\n"),
             "Warning: " + at("3OO") + "number text [3OO] is read as 3",
             "Warning: show.dat hides the folder data beside it: the archive is played\n",
             "Warning: " + at("Name=\"Late\"/>") +
                 "nimbus-check: Shader \"Late\" is used here before its definition at " +
                 at("<Shader Name=\"Late\"").substr(0, at("<Shader Name=\"Late\"").size() - 2) +
                 ", so it stands for a new, empty Shader\n",
             "Error: " + at("Name=\"Late\"/>") +
                 "nimbus-check: a shader has no VertexShaderFilename\n",
             "Warning: " + at("Phot\"") +
                 "nimbus-check: texture \"Phot\" has no image: its Bitmap is not set\n",
             "Warning: " + at("photo.png") +
                 "nimbus-check: the image of texture \"Photo\", <photo.png>, did not load\n",
             "Warning: " + at("photo.png") +
                 "nimbus-check: photo.png is a PNG image; productions use TGA, JPEG or raw\n",
             std::string("  read from: show.dat\n"),
             std::string("failed to compile document\n"),
         }) {
        EXPECT_NE(output.find(message), std::string::npos) << message << "\n" << output;
    }
    // The notes count here, but they are not what stops the player.
    EXPECT_EQ(output.find("failed to load"), std::string::npos) << output;
}
