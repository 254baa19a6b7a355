#include "app/ClassTable.h"

#include "app/Demo.h"
#include "app/Part.h"
#include "app/PartImage.h"
#include "base/Con.h"
#include "effects/ColorTexSpriteMesh.h"
#include "effects/ColorTexSpriteMesh01.h"
#include "effects/Mesh.h"
#include "effects/Particle.h"
#include "effects/QuadMesh.h"
#include "effects/RoundQuad.h"
#include "effects/SingleParticle.h"
#include "effects/SpriteEffect01.h"
#include "effects/SpriteMesh.h"
#include "effects/SpriteMesh02.h"
#include "image/Bitmap.h"
#include "iso/TestScene01.h"
#include "raytrace/Light.h"
#include "raytrace/RayInvSphere.h"
#include "raytrace/RayNode.h"
#include "raytrace/RayNode0.h"
#include "raytrace/RayNode1.h"
#include "raytrace/RayNode2.h"
#include "raytrace/RayPrim.h"
#include "raytrace/RaySphere.h"
#include "raytrace/Raytracer.h"
#include "raytrace/Raytracer01.h"
#include "reflect/ClassRegistration.h"
#include "reflect/String.h"
#include "render/ColorTexMaterial.h"
#include "render/Material.h"
#include "render/N2DColorTex2Material.h"
#include "render/N2DColorTexMaterial.h"
#include "render/ParticleMaterial.h"
#include "render/Shader.h"
#include "render/SpriteMaterial.h"
#include "render/Texture.h"
#include "scene/Camera.h"
#include "scene/Drawable.h"
#include "scene/IdentityNode.h"
#include "scene/OrthoView.h"
#include "scene/PAANode.h"
#include "scene/PTRNode.h"
#include "scene/Scene.h"
#include "scene/StillImage.h"
#include "scene/TransformNode.h"
#include "scene/TransformNodeContent.h"
#include "scene/View.h"
#include "values/BSFloatValue.h"
#include "values/BSVectValue.h"
#include "values/CameraPosition01.h"
#include "values/ColorValue.h"
#include "values/DeltaFloatValue.h"
#include "values/DynamicColorValue.h"
#include "values/DynamicPosVelAccFloat.h"
#include "values/DynamicPosVelAccVect.h"
#include "values/FloatValue.h"
#include "values/LinColorValue.h"
#include "values/LinVectValue.h"
#include "values/StaticPosVelAccFloat.h"
#include "values/StaticPosVelAccVect.h"
#include "values/ValueReader.h"
#include "values/VectValue.h"

namespace {

// The document vocabulary: one row per class, in the order that fixes the class
// indexes. Each class lists its own members next to its declaration; a row adds the
// reader of the class's text form, if it has one.
constexpr ClassEntry kClassTable[] = {
    Entry<NFloatValue>("Float", kOwnMembersOnly)
        .ReadsText<&ReadFloatValue>()
        .Means("A number. Its text is the number; animated kinds derive from it."),
    Entry<NVectValue>("Vector", kInherits)
        .ReadsText<&ReadVectValue>()
        .Means("A point or direction. Its text is up to three numbers, x y z."),
    Entry<NDeltaFloatValue, NFloatValue>("DeltaFloat", kInherits)
        .Means("A number that grows with the part's time: Delta × t + Start."),
    Entry<NColorValue>("Color", kOwnMembersOnly)
        .ReadsText<&ReadColorValue>()
        .Means("A colour, channels 0 to 1. Its text is #RRGGBB or #RRGGBBAA."),
    Entry<NBSFloatValue, NFloatValue>("BSFloatValue", kOwnMembersOnly)
        .Means(
            "A number through its Key elements (Time attribute, number text), on a smooth spline."),
    Entry<NLinColorValue, NColorValue>("LinColorValue", kOwnMembersOnly)
        .Means(
            "A colour through its Key elements (Time attribute, #RRGGBB text), in straight lines."),
    Entry<NLinVectValue, NVectValue>("LinVectValue", kOwnMembersOnly)
        .Means(
            "A vector through its Key elements (Time attribute, x y z text), in straight lines."),
    Entry<NBSVectValue, NVectValue>("BSVectValue", kOwnMembersOnly)
        .Means(
            "A vector through its Key elements (Time attribute, x y z text), on a smooth spline."),
    Entry<NDynamicColorValue, NColorValue>("DynamicColor", kInherits)
        .Means("A colour whose four channels are number values of any kind."),
    Entry<NString>("String", kInherits).Means("A piece of text, given by its string member s."),
    Entry<NBitmap>("Bitmap", kInherits)
        .Means("A picture file of the production: TGA, JPEG or raw."),
    Entry<NTexture>("Texture", kInherits)
        .ReadsText<&ReadTextureValue>()
        .Means("A picture as the graphics card draws it. Its text is the picture's file name."),
    Entry<NShader>("Shader", kInherits)
        .Means("A GLSL program made from a vertex and a fragment source file."),
    Entry<NMaterial>("Material", kInherits)
        .Means("How a drawable is drawn: its shader and textures. Use one of the kinds below."),
    Entry<NTransformNodeContent>("TransformNodeContent", kInherits)
        .Means("What a transform node carries: a drawable, a view or a light."),
    Entry<NTransformNode>("TransformNode", kInherits, kContainerTree)
        .Means("A node of a scene's tree, placing its content relative to its parent."),
    Entry<NPAANode, NTransformNode>("PAANode", kInherits)
        .Means("A node at Position, turned by RotationAngle (radians) about RotationAxis."),
    Entry<NPTRNode, NTransformNode>("PTRNode", kInherits)
        .Means("A node at Position looking at Target: the usual carrier of a camera."),
    Entry<NIdentityNode, NTransformNode>("IdentityNode", kInherits, kContainerTree)
        .Means("A node that leaves its parent's place unchanged."),
    Entry<NView, NTransformNodeContent>("View", kInherits)
        .Means("How a scene is projected; use Camera or OrthoView."),
    Entry<NCamera, NView>("Camera", kInherits)
        .Means("A perspective view from its node, for the 3D drawables."),
    Entry<NOrthoView, NView>("OrthoView", kInherits)
        .Means("The flat 4:3 view, x from -1 to 1 and y from -0.75 (top) to 0.75."),
    Entry<NDrawable, NTransformNodeContent>("Drawable", kInherits)
        .Means("Something a node carries that is drawn, with its material."),
    Entry<NMesh, NDrawable>("Mesh", kInherits)
        .Means("A drawable made of triangles, drawn with its material's vertex layout."),
    Entry<NStillImage>("StillImage", kInherits)
        .Means("A picture over the whole screen, tinted by its colour."),
    Entry<NScene>("Scene", kInherits)
        .ListEntryTimeSets("EndTime")
        .Means("What a part shows: a tree of nodes, two views and a background."),
    Entry<NTestScene01, NScene>("TestScene01", kInherits)
        .Means("A scene built in code: an isosurface, sheets and a circling camera."),
    Entry<NPart>("Part", kInherits)
        .Means("One stretch of the timeline, showing a scene until its end time."),
    Entry<NPartImage, NPart>("PartImage", kInherits)
        .Means("A part that draws a still image over its scene."),
    Entry<NDemo>("Demo", kInherits)
        .Means("The production: its parts in a list, its music and its loading image."),
    Entry<NParticleMaterial, NMaterial>("ParticleMaterial", kInherits)
        .Means("The material of particles: one texture."),
    Entry<NColorTexMaterial, NMaterial>("ColorTexMaterial", kInherits)
        .Means("A material with one texture and vertex colours, for 3D meshes."),
    Entry<N2DColorTexMaterial, NMaterial>("_2DColorTexMaterial", kInherits)
        .Means("A material with one texture and vertex colours, drawn flat in the 2D pass."),
    Entry<N2DColorTex2Material, NMaterial>("_2DColorTex2Material", kInherits)
        .Means("A material with two textures and vertex colours."),
    Entry<NSpriteMaterial, NMaterial>("SpriteMaterial", kInherits)
        .Means("The material of sprite meshes: two textures and normals."),
    Entry<NParticle, NDrawable>("Particle", kInherits).Means("A particle; use SingleParticle."),
    Entry<NSingleParticle, NParticle>("SingleParticle", kInherits)
        .Means("A textured square at P, shown from Beg to End seconds into the part."),
    Entry<NStaticPosVelAccFloat, NFloatValue>("StaticPosVelAccFloat", kOwnMembersOnly)
        .Means("A number moving as P0 + V0 t + A0 t², t the part's time."),
    Entry<NDynamicPosVelAccFloat, NFloatValue>("DynamicPosVelAccFloat", kOwnMembersOnly)
        .Means("A number moving as P0 + V0 t + A0 t², with animated coefficients."),
    Entry<NStaticPosVelAccVect, NVectValue>("StaticPosVelAccVector", kOwnMembersOnly)
        .Means("A vector moving as P0 + V0 t + A0 t², component by component."),
    Entry<NDynamicPosVelAccVect, NVectValue>("DynamicPosVelAccVector", kOwnMembersOnly)
        .Means("A vector moving as P0 + V0 t + A0 t², with animated coefficients."),
    Entry<NQuadMesh, NMesh>("QuadMesh", kInherits)
        .Means("A grid of Lines × Divisions vertices; use RoundQuad."),
    Entry<NRoundQuad, NQuadMesh>("RoundQuad", kInherits)
        .Means("A flat sheet whose vertex columns are coloured red, green, blue, black in turn, at "
               "alpha 150."),
    Entry<NSpriteMesh, NMesh>("SpriteMesh", kInherits)
        .Means("A mesh of screen-aligned squares that code fills."),
    Entry<NSpriteMesh02, NSpriteMesh>("SpriteMesh02", kInherits)
        .Means("A sprite mesh for the SpriteMaterial."),
    Entry<NColorTexSpriteMesh01, NSpriteMesh>("ColorTexSpriteMesh01", kInherits)
        .Means("A sprite mesh of shaded, textured squares for the ColorTexMaterial."),
    Entry<NColorTexSpriteMesh, NSpriteMesh>("ColorTexSpriteMesh", kInherits)
        .Means("A sprite mesh whose vertex program spreads each square's corners."),
    Entry<NSpriteEffect01, NSpriteMesh>("SpriteEffect01", kInherits)
        .Means("Three sprites that circle by themselves."),
    Entry<NCameraPosition01, NVectValue>("CameraPosition01", kOwnMembersOnly)
        .Means("A fixed path: (400, 0, 600 sin t)."),
    Entry<NRaytracer01, NDrawable>("Raytracer01", kInherits)
        .Means("A self-contained raytracer: a textured room turning around the eye."),
    Entry<NRaytracer, NDrawable>("Raytracer", kInherits)
        .Means("Traces the ray primitives and lights below its node into shaded, textured blocks."),
    Entry<NRayNode, NTransformNode>("RayNode", kInherits)
        .Means("A node for raytraced scenes that moves by itself; use RayNode0, 1 or 2."),
    Entry<NRayNode0, NRayNode>("RayNode0", kInherits)
        .Means("A ray node standing 600 units in front of the eye."),
    Entry<NRayNode1, NRayNode>("RayNode1", kInherits)
        .Means("A ray node tumbling on a path 400 units out; Param shifts its phase."),
    Entry<NRayNode2, NRayNode>("RayNode2", kInherits)
        .Means("A ray node tumbling on a path 300 units out; Param shifts its phase."),
    Entry<NLight, NTransformNodeContent>("Light", kInherits)
        .Means("The light of a raytracer, at its node's place; its terms fade with the part."),
    Entry<NRayPrim, NDrawable>("RayPrim", kInherits)
        .Means("A shape the raytracer traces; use RaySphere or RayInvSphere."),
    Entry<NRaySphere, NRayPrim>("RaySphere", kInherits)
        .Means("A textured sphere for the raytracer, seen from outside."),
    Entry<NRayInvSphere, NRaySphere>("RayInvSphere", kInherits)
        .Means("A textured sphere seen from inside: a room or sky around the scene."),
};

// What each member does, one line each, in the order of the class table; the
// registry attaches them to the members the classes declare.
constexpr MemberMeaning kMemberMeanings[] = {
    {"Float", "f", "the number"},
    {"Vector", "x", "the first component"},
    {"Vector", "y", "the second component"},
    {"Vector", "z", "the third component"},
    {"DeltaFloat", "Start", "the value at the start of the part"},
    {"DeltaFloat", "Delta", "how much it grows in a second"},
    {"Color", "r", "red, 0 to 1"},
    {"Color", "g", "green, 0 to 1"},
    {"Color", "b", "blue, 0 to 1"},
    {"Color", "a", "opacity, 0 (clear) to 1"},
    {"DynamicColor", "r", "red, 0 to 1, as a number value"},
    {"DynamicColor", "g", "green, 0 to 1, as a number value"},
    {"DynamicColor", "b", "blue, 0 to 1, as a number value"},
    {"DynamicColor", "a", "opacity, 0 to 1, as a number value"},
    {"String", "s", "the text"},
    {"Bitmap", "Filename", "the picture's file in the production ('\\' and any letter case do)"},
    {"Texture", "Bitmap", "the picture"},
    {"Shader", "VertexShaderFilename", "the vertex shader's GLSL source file"},
    {"Shader", "FragmentShaderFilename", "the fragment shader's GLSL source file"},
    {"Material", "Shader", "the program it draws with; required"},
    {"TransformNode", "Object", "what the node carries: a drawable, view or light"},
    {"PAANode", "Position", "where the node stands in its parent"},
    {"PAANode", "RotationAngle", "the turn, in radians"},
    {"PAANode", "RotationAxis", "the axis of the turn"},
    {"PTRNode", "Position", "where the node, the eye, stands"},
    {"PTRNode", "Target", "the point it looks at; required"},
    {"PTRNode", "Roll", "kept up to date, but it does not turn the node"},
    {"Camera", "ViewAngle", "the vertical field of view, in degrees"},
    {"Camera", "FarZ", "the far clipping distance; the near one is 1"},
    {"Drawable", "Material", "how it is drawn; required"},
    {"StillImage", "Texture", "the picture"},
    {"StillImage", "Color", "the tint and opacity of the picture"},
    {"Scene", "EndTime", "in a list of scenes, when it ends; parts time themselves"},
    {"Scene", "BackgroundImage", "the picture drawn behind everything each frame"},
    {"Scene", "View3D", "the view whose node is the eye of the 3D drawables"},
    {"Scene", "View2D", "the view whose projection the scene draws with"},
    {"Scene", "Nodes", "the tree of transform nodes; nesting gives the shape"},
    {"Part", "Scene", "what the part shows; required"},
    {"Part", "EndTime", "when the part ends, in seconds on the show's clock"},
    {"Part", "Fadeup", "seconds of fading in at the start"},
    {"Part", "Fadedown", "seconds of fading out before the end"},
    {"PartImage", "Image", "the picture drawn over the scene"},
    {"Demo", "LoadingImage", "shown once while the show is prepared"},
    {"Demo", "PartList", "the parts; they play from the last listed to the first"},
    {"Demo", "SoundFile", "the music's file in the production"},
    {"ParticleMaterial", "Texture", "the particles' picture"},
    {"ColorTexMaterial", "Texture", "the picture"},
    {"_2DColorTexMaterial", "Texture", "the picture"},
    {"_2DColorTex2Material", "Texture0", "the first picture"},
    {"_2DColorTex2Material", "Texture1", "the second picture"},
    {"SpriteMaterial", "Texture0", "the first picture"},
    {"SpriteMaterial", "Texture1", "the second picture"},
    {"SingleParticle", "Beg", "seconds into the part when it appears"},
    {"SingleParticle", "End", "seconds into the part when it goes"},
    {"SingleParticle", "Color", "its tint and opacity"},
    {"SingleParticle", "P", "its centre"},
    {"SingleParticle", "Angle", "its turn about the view axis, in radians"},
    {"SingleParticle", "Size", "half its edge"},
    {"StaticPosVelAccFloat", "P0", "the value at the start of the part"},
    {"StaticPosVelAccFloat", "V0", "the speed"},
    {"StaticPosVelAccFloat", "A0", "the acceleration (t² is not halved)"},
    {"DynamicPosVelAccFloat", "P0", "the value at the start of the part"},
    {"DynamicPosVelAccFloat", "V0", "the speed"},
    {"DynamicPosVelAccFloat", "A0", "the acceleration (t² is not halved)"},
    {"StaticPosVelAccVector", "P0_x", "x at the start of the part"},
    {"StaticPosVelAccVector", "P0_y", "y at the start of the part"},
    {"StaticPosVelAccVector", "P0_z", "z at the start of the part"},
    {"StaticPosVelAccVector", "V0_x", "the speed along x"},
    {"StaticPosVelAccVector", "V0_y", "the speed along y"},
    {"StaticPosVelAccVector", "V0_z", "the speed along z"},
    {"StaticPosVelAccVector", "A0_x", "the acceleration along x"},
    {"StaticPosVelAccVector", "A0_y", "the acceleration along y"},
    {"StaticPosVelAccVector", "A0_z", "the acceleration along z"},
    {"DynamicPosVelAccVector", "P0", "the point at the start of the part"},
    {"DynamicPosVelAccVector", "V0", "the velocity"},
    {"DynamicPosVelAccVector", "A0", "the acceleration (t² is not halved)"},
    {"QuadMesh", "Length", "the sheet's extent along y"},
    {"QuadMesh", "Width", "the sheet's extent along x"},
    {"QuadMesh", "Lines", "rows of vertices, at least 2"},
    {"QuadMesh", "Divisions", "vertices in a row, at least 2"},
    {"Raytracer", "Subdivision", "0: trace every cell; else refine blocks where they differ"},
    {"Raytracer", "MinBlockSize", "the smallest block, in pixels: 1, 2, 4, 8, 16 or 32"},
    {"Raytracer", "MaxBlockSize", "the largest block, in pixels: 1, 2, 4, 8, 16 or 32"},
    {"RayNode", "Param", "a phase, so that nodes of a kind move differently"},
    {"Light", "Ambient", "the light everywhere, as a number value"},
    {"Light", "Intensity", "the light on surfaces that face it, as a number value"},
    {"RaySphere", "Radius", "the radius"},
    {"RaySphere", "TextureRepeat", "how often the picture wraps around"},
    {"RaySphere", "ReceiveShadows", "non-zero: other spheres cast shadows on it"},
};

}  // namespace

void NClassRegistration() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    RegisterClasses(kClassTable, sizeof kClassTable / sizeof kClassTable[0]);
    DescribeMembers(kMemberMeanings, sizeof kMemberMeanings / sizeof kMemberMeanings[0]);
    Con.PrintLine("NClassRegistration: %d Classes, %d Members", ClassCount(), MemberCount());
}
