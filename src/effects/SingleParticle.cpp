#include "effects/SingleParticle.h"

#include "base/FrameStats.h"
#include "base/FrameTime.h"
#include "base/ScalarMath.h"
#include "render/Material.h"
#include "render/Renderer.h"
#include "scene/DocumentChecks.h"
#include "values/ColorValue.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

namespace {

// The unit square's corners in drawing order, with their texture coordinates.
struct UnitCorner {
    float x, y, u, v;
};
constexpr UnitCorner kUnitCorners[4] = {
    {-1.0f, -1.0f, 0.0f, 1.0f},
    {-1.0f, 1.0f, 0.0f, 0.0f},
    {1.0f, 1.0f, 1.0f, 0.0f},
    {1.0f, -1.0f, 1.0f, 1.0f},
};

}  // namespace

void NSingleParticle::Members(MemberTable<NSingleParticle>& m) {
    m.Add<&NSingleParticle::Beg>("Beg");
    m.Add<&NSingleParticle::End>("End");
    m.Add<&NSingleParticle::Color>("Color");
    m.Add<&NSingleParticle::P>("P");
    m.Add<&NSingleParticle::Angle>("Angle");
    m.Add<&NSingleParticle::Size>("Size");
}

void ParticleCorners(float px, float py, float pz, float angle, float size,
                     ParticleCorner corners[4]) {
    const float c = Cos(angle);
    const float s = Sin(angle);
    for (int i = 0; i < 4; ++i) {
        const UnitCorner& unit = kUnitCorners[i];
        corners[i] = {(c * unit.x - s * unit.y) * size + px, (s * unit.x + c * unit.y) * size + py,
                      pz, unit.u, unit.v};
    }
}

void NSingleParticle::Init() {
    // Every omission is reported, not only the first.
    const bool color = IsSet(this, Color, "Color");
    const bool p = IsSet(this, P, "P");
    const bool angle = IsSet(this, Angle, "Angle");
    const bool size = IsSet(this, Size, "Size");
    complete = color && p && angle && size;
    if (complete) {
        Color->Init();
        P->Init();
        Angle->Init();
        Size->Init();
    }
    NDrawable::Init();
}

void NSingleParticle::Update() {
    if (!complete || !Shows(CurrentTime)) {
        return;
    }
    Color->Update();
    P->Update();
    Angle->Update();
    Size->Update();
}

void NSingleParticle::Render() {
    if (!complete || !Shows(CurrentTime)) {
        return;
    }
    ParticleCorner corners[4];
    ParticleCorners(P->x, P->y, P->z, Angle->f, Size->f, corners);
    const SubmitTimer submitting;
    CountSubmitted(2, 1);
    if (Material) {
        Material->Render();
    }
    CurrentRenderer().DrawQuad(corners, {Color->r, Color->g, Color->b, Color->a});
}
