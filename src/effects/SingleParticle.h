#pragma once

#include "effects/Particle.h"
#include "reflect/MemberTable.h"

class NColorValue;
class NFloatValue;
class NVectValue;

class NSingleParticle : public NParticle {
  public:
    NClass* Create() override { return new NSingleParticle; }
    static void Members(MemberTable<NSingleParticle>& m);

    float Beg = 0;
    float End = 0;
    NColorValue* Color = nullptr;
    NVectValue* P = nullptr;
    NFloatValue* Angle = nullptr;
    NFloatValue* Size = nullptr;
};
