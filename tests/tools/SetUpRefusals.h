// A production the player refuses only while setting its scene up: a camera node
// without a target, a sheet whose material has the wrong vertex layout and a
// raytracer with one sphere more than it traces. Its pictures and shaders are fine,
// so these three are all that is counted.
#pragma once

#include <string>

namespace setup_refusals {

// One trivial GLSL pair, which every driver and the reference compiler accept.
constexpr char kVertex[] =
    "void main() {\n"
    "    gl_TexCoord[0] = gl_MultiTexCoord0;\n"
    "    gl_Position = ftransform();\n"
    "}\n";
constexpr char kFragment[] =
    "uniform sampler2D Texture0;\n"
    "void main() {\n"
    "    gl_FragColor = texture2D(Texture0, gl_TexCoord[0].xy);\n"
    "}\n";

// The document; it reads pic.tga, plain.vert and plain.frag.
inline std::string Document(int spheres = 256) {
    std::string balls;
    std::string ballNodes;
    for (int i = 0; i < spheres; ++i) {
        const std::string name = "Ball" + std::to_string(i);
        balls += "<RayNode0 Name=\"" + name +
                 "\"><RaySphere Role=\"Object\"><_2DColorTexMaterial Role=\"Material\" "
                 "Name=\"Stone\"/><Float Role=\"Radius\">10</Float></RaySphere></RayNode0>\n";
        ballNodes += "<RayNode0 Name=\"" + name + "\"/>\n";
    }
    return R"(<Nimbus>
<OrthoView Name="Flat"/>
<Texture Name="Pic">pic.tga</Texture>
<Shader Name="Plain">
  <string Role="VertexShaderFilename">plain.vert</string>
  <string Role="FragmentShaderFilename">plain.frag</string>
</Shader>
<SpriteMaterial Name="Sprites">
  <Shader Role="Shader" Name="Plain"/><Texture Role="Texture0" Name="Pic"/><Texture Role="Texture1" Name="Pic"/>
</SpriteMaterial>
<_2DColorTexMaterial Name="Stone"><Shader Role="Shader" Name="Plain"/><Texture Role="Texture" Name="Pic"/></_2DColorTexMaterial>
<Camera Name="Cam"/>
<PTRNode Name="Eye">
  <Vector Role="Position">0 0 0</Vector><Float Role="Roll">0</Float>
  <Camera Role="Object" Name="Cam"/>
</PTRNode>
<PAANode Name="Sheet">
  <Vector Role="Position">0 0 -300</Vector><Float Role="RotationAngle">0</Float><Vector Role="RotationAxis">0 0 1</Vector>
  <RoundQuad Role="Object"><SpriteMaterial Role="Material" Name="Sprites"/></RoundQuad>
</PAANode>
<TransformNode Name="Tracer"><Raytracer Role="Object"><_2DColorTexMaterial Role="Material" Name="Stone"/></Raytracer></TransformNode>
)" + balls +
           R"(<Scene Name="S">
  <OrthoView Role="View2D" Name="Flat"/>
  <Camera Role="View3D" Name="Cam"/>
  <TransformNode Role="Nodes" Container="Tree">
    <PTRNode Name="Eye"/><PAANode Name="Sheet"/>
    <TransformNode Name="Tracer">)" +
           ballNodes + R"(</TransformNode>
  </TransformNode>
</Scene>
<Part Name="P"><float Role="EndTime">0.5</float><Scene Role="Scene" Name="S"/></Part>
<Demo Name="D"><Part Role="PartList" Container="List"><Part Name="P"/></Part></Demo>
</Nimbus>
)";
}

}  // namespace setup_refusals
