#include "scene/StillImage.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include "base/FrameStats.h"
#include "render/Extensions.h"
#include "render/Texture.h"
#include "values/ColorValue.h"

namespace {

// Alpha from this value up draws opaque.
constexpr float kOpaqueAlpha = 0.95f;

// The corners in drawing order with their texture coordinates; the picture is 4:3,
// with y growing downwards.
struct Corner {
    float x, y, u, v;
};
constexpr Corner kCorners[4] = {
    {-1.0f, -0.75f, 0.0f, 1.0f},
    {-1.0f, 0.75f, 0.0f, 0.0f},
    {1.0f, 0.75f, 1.0f, 0.0f},
    {1.0f, -0.75f, 1.0f, 1.0f},
};
constexpr float kDepth = -0.5f;

void ActiveTextureUnit(GLenum unit) {
    if (Ext.glActiveTextureARB) {
        Ext.glActiveTextureARB(unit);
    }
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
    const float r = Color ? Color->r : 1.0f;
    const float g = Color ? Color->g : 1.0f;
    const float b = Color ? Color->b : 1.0f;
    const float a = Color ? Color->a : 1.0f;
    const SubmitTimer submitting;
    CountSubmitted(2, 0);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, 0.75, -0.75, 1, -1);
    if (Ext.glUseProgramObjectARB) {
        Ext.glUseProgramObjectARB(0);
    }
    if (a < kOpaqueAlpha) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_BLEND);
    }
    glDisable(GL_NORMALIZE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    ActiveTextureUnit(GL_TEXTURE0_ARB);
    if (!Texture || Texture->Bind() != 0) {
        glDisable(GL_TEXTURE_2D);
    }
    ActiveTextureUnit(GL_TEXTURE1_ARB);
    glDisable(GL_TEXTURE_2D);
    glShadeModel(GL_FLAT);
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);

    glBegin(GL_QUADS);
    glColor4f(r, g, b, a);
    for (const Corner& corner : kCorners) {
        glTexCoord2f(corner.u, corner.v);
        glVertex3f(corner.x, corner.y, kDepth);
    }
    glEnd();
    glDisable(GL_BLEND);
}
