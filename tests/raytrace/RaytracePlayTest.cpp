// Raytraced productions played by the capture tool: spheres on moving ray nodes in
// an inverted-sphere room, and the second generation's turning room.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "PlayHarness.h"
#include "makedemo/DemoMedia.h"

using playtest::Near;
using playtest::Picture;
using playtest::Production;
using playtest::ReadPng;

namespace {

std::string Sphere(const char* kind, const char* material, const char* radius) {
    return std::string("<") + kind +
           " Role=\"Object\"><_2DColorTexMaterial Role=\"Material\" Name=\"" + material +
           "\"/><Float Role=\"Radius\">" + radius + "</Float></" + kind + ">";
}

// The eye looks down world -z, where the ray nodes put the spheres; a green marker
// sphere sits still at world (100, 50, -400), ray space (100, -50, 400).
std::string RaytracerDocument(const std::string& blocks) {
    return R"(<Nimbus>
<OrthoView Name="Flat"/>
<Texture Name="Grey">grey.tga</Texture>
<Texture Name="Green">green.tga</Texture>
<Shader Name="ColorTexShader">
  <string Role="VertexShaderFilename">ColorTex.glvert</string>
  <string Role="FragmentShaderFilename">ColorTex.glfrag</string>
</Shader>
<_2DColorTexMaterial Name="Stone"><Shader Role="Shader" Name="ColorTexShader"/><Texture Role="Texture" Name="Grey"/></_2DColorTexMaterial>
<_2DColorTexMaterial Name="Moss"><Shader Role="Shader" Name="ColorTexShader"/><Texture Role="Texture" Name="Green"/></_2DColorTexMaterial>
<Camera Name="Cam"/>
<PTRNode Name="Eye">
  <Vector Role="Position">0 0 0</Vector><Vector Role="Target">0 0 1</Vector><Float Role="Roll">0</Float>
  <Camera Role="Object" Name="Cam"/>
</PTRNode>
<TransformNode Name="TracerNode"><Raytracer Role="Object"><_2DColorTexMaterial Role="Material" Name="Stone"/>)" +
           blocks + R"(</Raytracer></TransformNode>
<RayNode0 Name="Room">)" +
           Sphere("RayInvSphere", "Stone", "1000") + R"(</RayNode0>
<RayNode1 Name="Near1"><int Role="Param">1</int>)" +
           Sphere("RaySphere", "Stone", "60") + R"(</RayNode1>
<RayNode2 Name="Far2"><int Role="Param">2</int>)" +
           Sphere("RaySphere", "Stone", "80") + R"(</RayNode2>
<RayNode1 Name="Near3"><int Role="Param">3</int>)" +
           Sphere("RaySphere", "Stone", "50") + R"(</RayNode1>
<PAANode Name="Marker">
  <Vector Role="Position">100 50 -400</Vector><Float Role="RotationAngle">0</Float><Vector Role="RotationAxis">0 0 1</Vector>
  )" + Sphere("RaySphere", "Moss", "40") +
           R"(
</PAANode>
<PAANode Name="Lamp">
  <Vector Role="Position">-300 300 -100</Vector><Float Role="RotationAngle">0</Float><Vector Role="RotationAxis">0 0 1</Vector>
  <Light Role="Object"><Float Role="Ambient">0.2</Float><Float Role="Intensity">0.8</Float></Light>
</PAANode>
<Scene Name="Traced">
  <OrthoView Role="View2D" Name="Flat"/>
  <Camera Role="View3D" Name="Cam"/>
  <TransformNode Role="Nodes" Container="Tree">
    <PTRNode Name="Eye"/>
    <TransformNode Name="TracerNode">
      <RayNode0 Name="Room"/><RayNode1 Name="Near1"/><RayNode2 Name="Far2"/><RayNode1 Name="Near3"/>
      <PAANode Name="Marker"/><PAANode Name="Lamp"/>
    </TransformNode>
  </TransformNode>
</Scene>
<Part Name="P"><float Role="EndTime">2</float><Scene Role="Scene" Name="Traced"/></Part>
<Demo Name="D"><Part Role="PartList" Container="List"><Part Name="P"/></Part></Demo>
</Nimbus>
)";
}

const char kRaytracer01Document[] = R"(<Nimbus>
<OrthoView Name="Flat"/>
<Texture Name="Grey">grey.tga</Texture>
<Shader Name="SpriteShader">
  <string Role="VertexShaderFilename">Sprite.glvert</string>
  <string Role="FragmentShaderFilename">Sprite.glfrag</string>
</Shader>
<SpriteMaterial Name="Sprites">
  <Shader Role="Shader" Name="SpriteShader"/>
  <Texture Role="Texture0" Name="Grey"/><Texture Role="Texture1" Name="Grey"/>
</SpriteMaterial>
<TransformNode Name="TracerNode">
  <Raytracer01 Role="Object"><SpriteMaterial Role="Material" Name="Sprites"/></Raytracer01>
</TransformNode>
<Scene Name="Room">
  <OrthoView Role="View2D" Name="Flat"/>
  <OrthoView Role="View3D" Name="Flat"/>
  <TransformNode Role="Nodes" Container="Tree"><TransformNode Name="TracerNode"/></TransformNode>
</Scene>
<Part Name="P"><float Role="EndTime">1</float><Scene Role="Scene" Name="Room"/></Part>
<Demo Name="D"><Part Role="PartList" Container="List"><Part Name="P"/></Part></Demo>
</Nimbus>
)";

// RaytracerDocument with 250 more spheres under its raytracer, 255 primitives in
// all, and 99 raytracers beside it with nothing to trace.
std::string CrowdedDocument() {
    std::string document = RaytracerDocument("");
    std::string spheres;
    std::string sphereNodes;
    std::string idle;
    std::string idleNodes;
    for (int i = 0; i < 250; ++i) {
        const std::string kind = i % 2 ? "RayNode2" : "RayNode1";
        const std::string name = " Name=\"Ball" + std::to_string(i) + "\"";
        spheres += "<" + kind + name + "><int Role=\"Param\">" + std::to_string(i + 4) + "</int>" +
                   Sphere("RaySphere", "Stone", "20") + "</" + kind + ">\n";
        sphereNodes += "<" + kind + name + "/>\n";
    }
    for (int i = 0; i < 99; ++i) {
        const std::string name = " Name=\"Idle" + std::to_string(i) + "\"";
        idle += "<TransformNode" + name +
                "><Raytracer Role=\"Object\"><_2DColorTexMaterial Role=\"Material\" "
                "Name=\"Stone\"/></Raytracer></TransformNode>\n";
        idleNodes += "<TransformNode" + name + "/>\n";
    }
    document.insert(document.find("<Scene Name=\"Traced\">"), spheres + idle);
    document.insert(document.find("<PAANode Name=\"Lamp\"/>"), sphereNodes);
    document.insert(document.find("<PTRNode Name=\"Eye\"/>"), idleNodes);
    return document;
}

// Runs the capture tool as Production::Capture does, and also gives the most memory
// it held resident, in KiB.
int CaptureMeasured(const Production& show, const std::string& arguments, std::string* output,
                    long* peakKiB) {
    const playtest::XServer x;
    const std::vector<std::string> environment = playtest::Environment(x);
    const std::string outputFile = show / "capture.txt";
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(show.Path().c_str()) != 0 || !freopen(outputFile.c_str(), "w", stdout) ||
            dup2(STDOUT_FILENO, STDERR_FILENO) < 0) {
            _exit(127);
        }
        for (const std::string& entry : environment) {
            putenv(strdup(entry.c_str()));
        }
        const std::string command =
            std::string("exec ") + NIMBUS_CAPTURE_PATH + " --out frames " + arguments + " show";
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage = {};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) {
        return -1;
    }
    *peakKiB = usage.ru_maxrss;
    *output = test::ReadFile(outputFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const unsigned long kClearRed = 0xFF0000;

// Adds the bundled production's `shaders` and two flat textures to `show`.
void Furnish(const Production& show, std::initializer_list<const char*> shaders) {
    for (const char* name : shaders) {
        show.Add(name, std::string(NIMBUS_DEMO_DIR) + "/" + name);
    }
    EXPECT_EQ(WriteFlatImage(show / "data", "grey.tga", 16, 16, 200, 200, 200), 0);
    EXPECT_EQ(WriteFlatImage(show / "data", "green.tga", 16, 16, 0, 255, 0), 0);
}

Picture Frame(const Production& show, long milliseconds) {
    char name[32];
    snprintf(name, sizeof name, "show-%07ld.png", milliseconds);
    return ReadPng(show / ("frames/" + std::string(name)));
}

int CountPixels(const Picture& picture, bool (*test)(unsigned long)) {
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            count += test(picture.At(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool Greenish(unsigned long rgb) {
    const int r = static_cast<int>(rgb >> 16) & 0xFF;
    const int g = static_cast<int>(rgb >> 8) & 0xFF;
    return g > 20 && r < g / 4;
}

}  // namespace

TEST(RaytracePlay, SpheresInARoomShowShadedWhereRaySpacePutsThemInBothWalks) {
    const Production adaptive(RaytracerDocument("<int Role=\"MinBlockSize\">2</int>"));
    const Production cells(
        RaytracerDocument("<int Role=\"Subdivision\">0</int><int Role=\"MaxBlockSize\">2</int>"));
    Furnish(adaptive, {"ColorTex.glvert", "ColorTex.glfrag"});
    Furnish(cells, {"ColorTex.glvert", "ColorTex.glfrag"});
    std::string output;
    ASSERT_EQ(adaptive.Capture("--fps 10 --at 0.5,1.5", &output), 0) << output;
    ASSERT_EQ(cells.Capture("--fps 10 --at 0.5,1.5", &output), 0) << output;
    for (long time : {500L, 1500L}) {
        const Picture a = Frame(adaptive, time);
        const Picture c = Frame(cells, time);
        ASSERT_EQ(a.width, 640);
        ASSERT_EQ(c.width, 640);
        // The marker, 40 units at depth 400 about screen (0.25, -0.125): pixel (400, 200),
        // about 32 pixels across its radius.
        EXPECT_TRUE(Greenish(a.At(400, 200))) << std::hex << a.At(400, 200);
        EXPECT_TRUE(Greenish(c.At(400, 200))) << std::hex << c.At(400, 200);
        EXPECT_FALSE(Greenish(a.At(400, 250)));
        EXPECT_FALSE(Greenish(a.At(340, 200)));
        const int green = CountPixels(a, Greenish);
        EXPECT_GT(green, 2500);
        EXPECT_LT(green, 4000);
        // The room leaves no pixel to the clear colour, and the light shades it.
        EXPECT_EQ(CountPixels(a, [](unsigned long p) { return Near(p, kClearRed, 8); }), 0);
        int darkest = 255;
        int brightest = 0;
        for (int y = 0; y < 480; y += 8) {
            for (int x = 0; x < 640; x += 8) {
                const int grey = static_cast<int>(a.At(x, y) & 0xFF);
                darkest = std::min(darkest, grey);
                brightest = std::max(brightest, grey);
            }
        }
        EXPECT_GT(brightest - darkest, 60) << darkest << " " << brightest;
        int agree = 0;
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                agree += Near(a.At(x, y), c.At(x, y), 12) ? 1 : 0;
            }
        }
        EXPECT_GE(agree, 640 * 480 * 95 / 100) << time;
    }
}

TEST(RaytracePlay, TheSecondGenerationsRoomFillsTheScreen) {
    const Production show(kRaytracer01Document);
    Furnish(show, {"Sprite.glvert", "Sprite.glfrag"});
    std::string output;
    ASSERT_EQ(show.Capture("--fps 10 --at 0.5", &output), 0) << output;
    const Picture frame = Frame(show, 500);
    ASSERT_EQ(frame.width, 640);
    // Grey 200 times grey 200 at full light, sprites overlapping with no gaps.
    EXPECT_EQ(CountPixels(frame, [](unsigned long p) { return Near(p, 0x9C9C9C, 6); }), 640 * 480)
        << std::hex << frame.At(0, 0) << " " << frame.At(320, 240);
}

TEST(RaytracePlay, HostileTracersStayWithinTheScreensMemoryAndCoverItFromTheFirstFrame) {
    const Production crowded(CrowdedDocument());
    const Production finest(RaytracerDocument("<int Role=\"MaxBlockSize\">1</int>"));
    std::string output;
    long crowdedKiB = 0;
    long finestKiB = 0;
    for (const Production* show : {&crowded, &finest}) {
        Furnish(*show, {"ColorTex.glvert", "ColorTex.glfrag"});
    }
    // The capture stops at its last frame: each run draws the first frame alone.
    ASSERT_EQ(CaptureMeasured(crowded, "--fps 10 --at 0", &output, &crowdedKiB), 0) << output;
    EXPECT_EQ(playtest::Occurrences(output, "NRaytracer: no lights are present in the scene"), 99)
        << output;
    ASSERT_EQ(CaptureMeasured(finest, "--fps 10 --at 0", &output, &finestKiB), 0) << output;
    // The first frame shows its own trace, and the room covers every pixel: nothing
    // of the clear colour shows, the bottom rows included.
    for (const Production* show : {&crowded, &finest}) {
        const Picture frame = Frame(*show, 0);
        ASSERT_EQ(frame.width, 640);
        EXPECT_EQ(CountPixels(frame, [](unsigned long p) { return Near(p, kClearRed, 8); }), 0);
    }
#if !defined(__SANITIZE_ADDRESS__)
    // The process, its window and the software renderer take about 80 MB of these;
    // the renderer takes about as much again for the 614,400 triangles of a frame of
    // single-pixel blocks.
    EXPECT_LT(crowdedKiB, 200 * 1024);
    EXPECT_LT(finestKiB, 300 * 1024);
#endif
}
