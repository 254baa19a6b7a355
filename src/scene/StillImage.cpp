#include "scene/StillImage.h"

#include "base/FrameStats.h"
#include "render/Renderer.h"
#include "render/Texture.h"
#include "values/ColorValue.h"

namespace {

// Alpha from this value up draws opaque.
constexpr float kOpaqueAlpha = 0.95f;

// The corners in drawing order with their texture coordinates; the picture is 4:3,
// with y growing downwards.
constexpr QuadCorner kCorners[4] = {
    {-1.0f, -0.75f, -0.5f, 0.0f, 1.0f},
    {-1.0f, 0.75f, -0.5f, 0.0f, 0.0f},
    {1.0f, 0.75f, -0.5f, 1.0f, 0.0f},
    {1.0f, -0.75f, -0.5f, 1.0f, 1.0f},
};

// Over everything, flat, untouched by depth; blended only when translucent.
constexpr DrawState PictureState(bool blended) {
    return {.setBlendFunction = blended,
            .blending = blended,
            .shadeModel = ShadeModel::kFlat,
            .depthTest = false,
            .culling = false,
            .depthWrites = false,
            .normalize = false};
}

}  // namespace

void NStillImage::Members(MemberTable<NStillImage>& m) {
    m.Add<&NStillImage::Texture>("Texture");
    m.Add<&NStillImage::Color>("Color");
}

void NStillImage::Init() {
    if (Color) {
        Color->Init();
    }
    if (Texture) {
        Texture->Init();
    }
}

void NStillImage::Update() {
    if (Color) {
        Color->Update();
    }
    if (Texture) {
        Texture->Update();
    }
}

void NStillImage::Render() {
    const RenderColor color = {Color ? Color->r : 1.0f, Color ? Color->g : 1.0f,
                               Color ? Color->b : 1.0f, Color ? Color->a : 1.0f};
    const SubmitTimer submitting;
    CountSubmitted(2, 0);
    Renderer& renderer = CurrentRenderer();
    renderer.LoadIdentityModelView();
    // Near 1 and far -1: with no depth test or writes only clipping reads depth, and
    // the picture's -0.5 lies inside.
    renderer.LoadOrtho(-1, 1, 0.75, -0.75, 1, -1);
    renderer.UseProgram(0);
    renderer.ApplyDrawState(PictureState(color.a < kOpaqueAlpha));
    BindTextureOnUnit(Texture, 0);
    // Leaves unit 1 active, as the materials do.
    BindTextureOnUnit(nullptr, 1);
    renderer.DrawQuad(kCorners, color);
    renderer.SetBlending(false);
}
