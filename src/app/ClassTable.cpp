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
    Entry<NFloatValue>("Float", kOwnMembersOnly).ReadsText<&ReadFloatValue>(),
    Entry<NVectValue>("Vector", kInherits).ReadsText<&ReadVectValue>(),
    Entry<NDeltaFloatValue, NFloatValue>("DeltaFloat", kInherits),
    Entry<NColorValue>("Color", kOwnMembersOnly).ReadsText<&ReadColorValue>(),
    Entry<NBSFloatValue, NFloatValue>("BSFloatValue", kOwnMembersOnly),
    Entry<NLinColorValue, NColorValue>("LinColorValue", kOwnMembersOnly),
    Entry<NLinVectValue, NVectValue>("LinVectValue", kOwnMembersOnly),
    Entry<NBSVectValue, NVectValue>("BSVectValue", kOwnMembersOnly),
    Entry<NDynamicColorValue, NColorValue>("DynamicColor", kInherits),
    Entry<NString>("String", kInherits),
    Entry<NBitmap>("Bitmap", kInherits),
    Entry<NTexture>("Texture", kInherits).ReadsText<&ReadTextureValue>(),
    Entry<NShader>("Shader", kInherits),
    Entry<NMaterial>("Material", kInherits),
    Entry<NTransformNodeContent>("TransformNodeContent", kInherits),
    Entry<NTransformNode>("TransformNode", kInherits, kContainerTree),
    Entry<NPAANode, NTransformNode>("PAANode", kInherits),
    Entry<NPTRNode, NTransformNode>("PTRNode", kInherits),
    Entry<NIdentityNode, NTransformNode>("IdentityNode", kInherits, kContainerTree),
    Entry<NView, NTransformNodeContent>("View", kInherits),
    Entry<NCamera, NView>("Camera", kInherits),
    Entry<NOrthoView, NView>("OrthoView", kInherits),
    Entry<NDrawable, NTransformNodeContent>("Drawable", kInherits),
    Entry<NMesh, NDrawable>("Mesh", kInherits),
    Entry<NStillImage>("StillImage", kInherits),
    Entry<NScene>("Scene", kInherits).ListEntryTimeSets("EndTime"),
    Entry<NTestScene01, NScene>("TestScene01", kInherits),
    Entry<NPart>("Part", kInherits),
    Entry<NPartImage, NPart>("PartImage", kInherits),
    Entry<NDemo>("Demo", kInherits),
    Entry<NParticleMaterial, NMaterial>("ParticleMaterial", kInherits),
    Entry<NColorTexMaterial, NMaterial>("ColorTexMaterial", kInherits),
    Entry<N2DColorTexMaterial, NMaterial>("_2DColorTexMaterial", kInherits),
    Entry<N2DColorTex2Material, NMaterial>("_2DColorTex2Material", kInherits),
    Entry<NSpriteMaterial, NMaterial>("SpriteMaterial", kInherits),
    Entry<NParticle, NDrawable>("Particle", kInherits),
    Entry<NSingleParticle, NParticle>("SingleParticle", kInherits),
    Entry<NStaticPosVelAccFloat, NFloatValue>("StaticPosVelAccFloat", kOwnMembersOnly),
    Entry<NDynamicPosVelAccFloat, NFloatValue>("DynamicPosVelAccFloat", kOwnMembersOnly),
    Entry<NStaticPosVelAccVect, NVectValue>("StaticPosVelAccVector", kOwnMembersOnly),
    Entry<NDynamicPosVelAccVect, NVectValue>("DynamicPosVelAccVector", kOwnMembersOnly),
    Entry<NQuadMesh, NMesh>("QuadMesh", kInherits),
    Entry<NRoundQuad, NQuadMesh>("RoundQuad", kInherits),
    Entry<NSpriteMesh, NMesh>("SpriteMesh", kInherits),
    Entry<NSpriteMesh02, NSpriteMesh>("SpriteMesh02", kInherits),
    Entry<NColorTexSpriteMesh01, NSpriteMesh>("ColorTexSpriteMesh01", kInherits),
    Entry<NColorTexSpriteMesh, NSpriteMesh>("ColorTexSpriteMesh", kInherits),
    Entry<NSpriteEffect01, NSpriteMesh>("SpriteEffect01", kInherits),
    Entry<NCameraPosition01, NVectValue>("CameraPosition01", kOwnMembersOnly),
    Entry<NRaytracer01, NDrawable>("Raytracer01", kInherits),
    Entry<NRaytracer, NDrawable>("Raytracer", kInherits),
    Entry<NRayNode, NTransformNode>("RayNode", kInherits),
    Entry<NRayNode0, NRayNode>("RayNode0", kInherits),
    Entry<NRayNode1, NRayNode>("RayNode1", kInherits),
    Entry<NRayNode2, NRayNode>("RayNode2", kInherits),
    Entry<NLight, NTransformNodeContent>("Light", kInherits),
    Entry<NRayPrim, NDrawable>("RayPrim", kInherits),
    Entry<NRaySphere, NRayPrim>("RaySphere", kInherits),
    Entry<NRayInvSphere, NRaySphere>("RayInvSphere", kInherits),
};

}  // namespace

void NClassRegistration() {
    static bool registered = false;
    if (registered) {
        return;
    }
    registered = true;
    RegisterClasses(kClassTable, sizeof kClassTable / sizeof kClassTable[0]);
    Con.PrintLine("NClassRegistration: %d Classes, %d Members", ClassCount(), MemberCount());
}
