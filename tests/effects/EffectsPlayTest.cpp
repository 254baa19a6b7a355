// A sheet under a camera, a keyed particle and the sprite effect, each with its
// material and the bundled production's shaders, played by the capture tool and
// found where their arithmetic puts them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "PlayHarness.h"
#include "makedemo/DemoMedia.h"

using playtest::Near;
using playtest::Picture;
using playtest::Production;
using playtest::ReadPng;

namespace {

const char kDocument[] = R"(<Nimbus>
<OrthoView Name="Flat"/>
<Texture Name="White">white.tga</Texture>
<StillImage Name="Blue"><Color Role="Color">#0000FF</Color></StillImage>
<Shader Name="Lit">
  <string Role="VertexShaderFilename">BlueFogPhong.glvert</string>
  <string Role="FragmentShaderFilename">BlueFogPhong.glfrag</string>
</Shader>
<Shader Name="SpriteShader">
  <string Role="VertexShaderFilename">Sprite.glvert</string>
  <string Role="FragmentShaderFilename">Sprite.glfrag</string>
</Shader>
<ParticleMaterial Name="LitWhite">
  <Shader Role="Shader" Name="Lit"/><Texture Role="Texture" Name="White"/>
</ParticleMaterial>
<SpriteMaterial Name="Sprites">
  <Shader Role="Shader" Name="SpriteShader"/>
  <Texture Role="Texture0" Name="White"/><Texture Role="Texture1" Name="White"/>
</SpriteMaterial>

<Camera Name="Cam"/>
<PTRNode Name="Eye">
  <Vector Role="Position">0 0 200</Vector>
  <Vector Role="Target">0 0 0</Vector>
  <Float Role="Roll">0</Float>
  <Camera Role="Object" Name="Cam"/>
</PTRNode>
<TransformNode Name="SheetNode">
  <RoundQuad Role="Object"><ParticleMaterial Role="Material" Name="LitWhite"/></RoundQuad>
</TransformNode>
<Scene Name="SheetScene">
  <StillImage Role="BackgroundImage" Name="Blue"/>
  <Camera Role="View2D" Name="Cam"/>
  <Camera Role="View3D" Name="Cam"/>
  <TransformNode Role="Nodes" Container="Tree">
    <PTRNode Name="Eye"/><TransformNode Name="SheetNode"/>
  </TransformNode>
</Scene>

<TransformNode Name="ParticleNode">
  <SingleParticle Role="Object">
    <ParticleMaterial Role="Material" Name="LitWhite"/>
    <float Role="Beg">0.5</float>
    <float Role="End">1.5</float>
    <Color Role="Color">#FFFF00</Color>
    <LinVectValue Role="P"><Key Time="0">-0.5 0 0</Key><Key Time="2">0.5 0 0</Key></LinVectValue>
    <Float Role="Angle">0</Float>
    <Float Role="Size">0.1</Float>
  </SingleParticle>
</TransformNode>
<Scene Name="ParticleScene">
  <StillImage Role="BackgroundImage" Name="Blue"/>
  <OrthoView Role="View2D" Name="Flat"/>
  <OrthoView Role="View3D" Name="Flat"/>
  <TransformNode Role="Nodes" Container="Tree"><TransformNode Name="ParticleNode"/></TransformNode>
</Scene>

<TransformNode Name="EffectNode">
  <SpriteEffect01 Role="Object"><SpriteMaterial Role="Material" Name="Sprites"/></SpriteEffect01>
</TransformNode>
<Scene Name="EffectScene">
  <StillImage Role="BackgroundImage" Name="Blue"/>
  <OrthoView Role="View2D" Name="Flat"/>
  <OrthoView Role="View3D" Name="Flat"/>
  <TransformNode Role="Nodes" Container="Tree"><TransformNode Name="EffectNode"/></TransformNode>
</Scene>

<Part Name="Sheet"><float Role="EndTime">1</float><Scene Role="Scene" Name="SheetScene"/></Part>
<Part Name="Particle"><float Role="EndTime">3</float><Scene Role="Scene" Name="ParticleScene"/></Part>
<Part Name="Effect"><float Role="EndTime">4</float><Scene Role="Scene" Name="EffectScene"/></Part>
<Demo Name="D">
  <Part Role="PartList" Container="List">
    <Part Name="Effect"/><Part Name="Particle"/><Part Name="Sheet"/>
  </Part>
</Demo>
</Nimbus>
)";

const unsigned long kBlue = 0x0000FF;

Picture Frame(const Production& show, long milliseconds) {
    char name[32];
    snprintf(name, sizeof name, "show-%07ld.png", milliseconds);
    return ReadPng(show / ("frames/" + std::string(name)));
}

// The pixel of a point of the orthographic view: x -1..1 across, y -0.75..0.75 down.
std::pair<int, int> OrthoPixel(double x, double y) {
    return {static_cast<int>((x + 1.0) * 320.0), static_cast<int>((y + 0.75) / 1.5 * 480.0)};
}

}  // namespace

TEST(EffectsPlay, SheetParticleAndSpritesShowWhereTheirArithmeticPutsThem) {
    const Production show(kDocument);
    for (const char* name :
         {"BlueFogPhong.glvert", "BlueFogPhong.glfrag", "Sprite.glvert", "Sprite.glfrag"}) {
        show.Add(name, std::string(NIMBUS_DEMO_DIR) + "/" + name);
    }
    ASSERT_EQ(WriteFlatImage(show / "data", "white.tga", 16, 16, 255, 255, 255), 0);
    std::string output;
    ASSERT_EQ(show.Capture("--fps 20 --at 0.5,1.25,2,2.4,3.1", &output), 0) << output;

    // The 200-unit square 200.5 units from a 90-degree camera spans 240 pixels: its
    // red column at alpha 150 (flat shaded, lit head-on) over the blue background.
    const Picture sheet = Frame(show, 500);
    for (const auto& [x, y] : {std::pair{320, 240}, {220, 140}, {420, 340}}) {
        EXPECT_TRUE(Near(sheet.At(x, y), 0x961680, 12)) << std::hex << sheet.At(x, y);
    }
    for (const auto& [x, y] : {std::pair{180, 240}, {460, 240}, {320, 100}, {320, 380}}) {
        EXPECT_EQ(sheet.At(x, y), kBlue) << x << "," << y;
    }

    // Before its window the particle is not drawn; inside it follows its keyed centre.
    EXPECT_EQ(Frame(show, 1250).At(240, 240), kBlue);
    const Picture middle = Frame(show, 2000);
    EXPECT_TRUE(Near(middle.At(320, 240), 0xFFFF26, 12)) << std::hex << middle.At(320, 240);
    EXPECT_TRUE(Near(middle.At(345, 215), 0xFFFF26, 12)) << std::hex << middle.At(345, 215);
    EXPECT_EQ(middle.At(360, 240), kBlue);
    const auto [lateX, lateY] = OrthoPixel(0.2, 0.0);
    const Picture late = Frame(show, 2400);
    EXPECT_TRUE(Near(late.At(lateX, lateY), 0xFFFF26, 12)) << std::hex << late.At(lateX, lateY);
    EXPECT_EQ(late.At(320, 240), kBlue);

    // The effect's three sprites at part time 0.1, white through both white textures.
    const Picture sprites = Frame(show, 3100);
    const double t = 0.1;
    for (int i = 0; i < 3; ++i) {
        const double b = (i + 77) * 0.01;
        const double radius = b * (0.1 * std::sin(90 * b + t) + 0.6);
        const double angle = 0.45 * std::sin(20 * b + t) + 25 * b;
        const auto [x, y] = OrthoPixel(radius * std::sin(angle), radius * std::cos(angle));
        EXPECT_TRUE(Near(sprites.At(x, y), 0xFFFFFF, 6))
            << i << ": " << std::hex << sprites.At(x, y);
    }
    EXPECT_EQ(sprites.At(320, 240), kBlue);
}
