// A demo prepared and played frame by frame on the surface of the renderer that draws
// nothing: no window, no display, yet everything but the picture happens.
#include "render/NullSurface.h"

#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "app/ClassTable.h"
#include "app/Demo.h"
#include "app/DemoPlayer.h"
#include "app/FrameClock.h"
#include "base/Con.h"
#include "base/FrameStats.h"
#include "document/NimbusDocument.h"
#include "io/Data.h"
#include "render/Renderer.h"

namespace {

// One picture shared by the loading image, the background and the material; a camera
// over a 3 x 4 grid and a particle.
const char kDocument[] = R"(<Nimbus>
<Texture Name="Picture">rgb256.jpg</Texture>
<Shader Name="Plain">
  <string Role="VertexShaderFilename">plain.vert</string>
  <string Role="FragmentShaderFilename">plain.frag</string>
</Shader>
<ParticleMaterial Name="Paint">
  <Shader Role="Shader" Name="Plain"/>
  <Texture Role="Texture" Name="Picture"/>
</ParticleMaterial>
<StillImage Name="Still"><Texture Role="Texture" Name="Picture"/></StillImage>
<Camera Name="Eye"/>
<TransformNode Name="EyeNode"><Camera Role="Object" Name="Eye"/></TransformNode>
<TransformNode Name="Grid">
  <QuadMesh Role="Object">
    <ParticleMaterial Role="Material" Name="Paint"/>
    <int Role="Lines">3</int>
    <int Role="Divisions">4</int>
  </QuadMesh>
</TransformNode>
<TransformNode Name="Spark">
  <SingleParticle Role="Object">
    <ParticleMaterial Role="Material" Name="Paint"/>
    <float Role="End">1</float>
    <Color Role="Color">#FFFFFF</Color>
    <Vector Role="P">0 0 0</Vector>
    <Float Role="Angle">0</Float>
    <Float Role="Size">0.1</Float>
  </SingleParticle>
</TransformNode>
<Scene Name="Show">
  <StillImage Role="BackgroundImage" Name="Still"/>
  <Camera Role="View2D" Name="Eye"/>
  <Camera Role="View3D" Name="Eye"/>
  <TransformNode Role="Nodes" Container="Tree">
    <TransformNode Name="EyeNode"/><TransformNode Name="Grid"/><TransformNode Name="Spark"/>
  </TransformNode>
</Scene>
<Part Name="Only"><Scene Role="Scene" Name="Show"/><float Role="EndTime">1</float></Part>
<Demo Name="D">
  <StillImage Role="LoadingImage" Name="Still"/>
  <Part Role="PartList" Container="List"><Part Name="Only"/></Part>
</Demo>
</Nimbus>
)";

}  // namespace

TEST(NullSurface, ADemoPlaysFrameByFrameWithoutAWindowThenOpenGLIsCurrentAgain) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    NClassRegistration();
    Con.EnableBuffer(false);
    Con.EnableBuffer(true);
    Con.ResetErrorCount();
    const test::TempDir dir;
    test::WriteFile(dir / "show.xml", kDocument);
    test::WriteFile(dir / "rgb256.jpg", test::ReadFile(test::TestDataPath("images/rgb256.jpg")));
    test::WriteFile(dir / "plain.vert", "void main() {}\n");
    test::WriteFile(dir / "plain.frag", "void main() {}\n");
    DefaultInput.Mount(kDirectoryMode, dir.Path().c_str());
    DefaultInput.SetAsDefault(false);
    NimbusDocument document;
    document.Load("show.xml");
    auto* demo = static_cast<NDemo*>(document.CompileAndFind("Demo"));
    ASSERT_NE(demo, nullptr) << test::LogText();
    SetClock clock;
    demo->SetClock(&clock);
    TheFrameStats.enabled = true;
    {
        DemoPlayer player;
        player.surface = new NNullSurface;
        player.demo = demo;
        player.Prepare();
        ASSERT_TRUE(player.CanDraw());
        EXPECT_EQ(player.surface->Window(), nullptr);
        EXPECT_EQ(&CurrentRenderer(), &TheNullRenderer());
        // Uploaded once, however many use it, its pixels then freed.
        EXPECT_EQ(test::LogText(),
                  "NTexture: Mipmapped 256x256, 3 channel(s), approx. 261488 bytes\r\n");

        clock.milliseconds = 500;
        EXPECT_TRUE(player.PlayFrame());
        // The background's two, the grid's twelve and the particle's two.
        EXPECT_EQ(TheFrameStats.triangles, 16);
        EXPECT_EQ(TheFrameStats.sprites, 1);
        clock.milliseconds = 1000;
        EXPECT_FALSE(player.PlayFrame());
        player.surface->Close();
        EXPECT_EQ(&CurrentRenderer(), &TheOpenGLRenderer());
        EXPECT_EQ(Con.ErrorCount(), 0) << test::LogText();
    }
    TheFrameStats.enabled = false;
    document.Destroy();
    DefaultInput.Unmount();
}
