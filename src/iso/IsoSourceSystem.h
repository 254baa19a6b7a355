// The point sources that feed the isosurface's field. Each source orbits the centre
// on a circle of the system's radius, swinging in and out by its swing, its plane
// turned by three spin rates drawn once from the random sequence. Sources are moved
// only when the time changes, so several meshes may share one system.
#pragma once

#include "scene/Vector3.h"

class IsoRandom;

struct IsoSource {
    float spin[3];
    // Drawn only to keep the random sequence in step; nothing reads them.
    float tilt[3];
    Vector3 position;
};

class IsoSourceSystem {
  public:
    static constexpr int kMaxSources = 30;

    // Draws every source's rates from `random`, once. A system of more than
    // kMaxSources sources gets no sources at all.
    void MakeSources(IsoRandom& random);
    // Moves every source to its place at time `t`; nothing when `t` is the time of
    // the last move.
    void MoveTo(float t);
    // The sources that exist: `count`, or 0 before MakeSources or when refused.
    int ActiveCount() const { return made ? count : 0; }

    int count = 3;
    float orbitRadius = 200.0f;
    float orbitSwing = 10.0f;
    float lastMoveTime = -1.0f;
    bool made = false;
    IsoSource sources[kMaxSources] = {};
};

// The process-wide system meshes use when they are given none.
IsoSourceSystem& DefaultIsoSourceSystem();
