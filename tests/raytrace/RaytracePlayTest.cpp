// Raytraced productions played by the capture tool: spheres on moving ray nodes in
// an inverted-sphere room, and the second generation's turning room.
#include <gtest/gtest.h>

#include <algorithm>
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
