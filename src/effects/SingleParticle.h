// One textured, coloured square turning about z, shown while the part's time lies in
// [Beg, End]. Its values are updated only inside that window, so they resume from
// their own time when it opens. The square is drawn in whatever model-view matrix is
// current.
#pragma once

#include "effects/Particle.h"
#include "reflect/MemberTable.h"
#include "render/Renderer.h"

class NColorValue;
class NFloatValue;
class NVectValue;

// One corner of the square: its position and texture coordinates.
using ParticleCorner = QuadCorner;

class NSingleParticle : public NParticle {
  public:
    NClass* Create() override { return new NSingleParticle; }
    static void Members(MemberTable<NSingleParticle>& m);

    // The four values, then the drawable's Init. A missing value is reported here,
    // once, and the particle is never updated or drawn.
    void Init() override;
    void Update() override;
    void Render() override;

    // Whether part time t lies in the window, both ends included.
    bool Shows(float t) const { return Beg <= t && t <= End; }

    float Beg = 0;
    float End = 0;
    NColorValue* Color = nullptr;
    NVectValue* P = nullptr;
    NFloatValue* Angle = nullptr;
    NFloatValue* Size = nullptr;

  private:
    bool complete = false;
};

// The square's corners, in drawing order, for centre (px, py, pz), angle (radians)
// and size (half the edge).
void ParticleCorners(float px, float py, float pz, float angle, float size,
                     ParticleCorner corners[4]);
