// Values on a quadratic path of the part's clock, per component P0 + V0 t + A0 t^2
// (A0 takes no factor one half), for floats and vectors alike. `Value` is the plain
// value class whose fields the path fills, `Self` the class made from the template.
#pragma once

#include <cstddef>
#include <iterator>

#include "base/FrameTime.h"
#include "reflect/MemberTable.h"
#include "values/DynamicValue.h"

// One component at time t, evaluated in this order in float arithmetic.
inline float PosVelAcc(float t, float p0, float v0, float a0) {
    return t * (a0 * t + v0) + p0;
}

// The members of `Self` that hold one component's coefficients.
template <class Self>
struct PosVelAccMembers {
    float Self::*p0;
    float Self::*v0;
    float Self::*a0;
};

// Coefficients as plain numbers: `Self::kCoefficients` names their members, one
// entry per field of `Value`.
template <class Value, class Self>
class StaticPosVelAcc : public Value {
  public:
    void Update() override {
        const float t = CurrentTime;
        const Self& self = static_cast<const Self&>(*this);
        for (std::size_t i = 0; i < std::size(Value::kFields); ++i) {
            const PosVelAccMembers<Self>& c = Self::kCoefficients[i];
            this->*Value::kFields[i] = PosVelAcc(t, self.*c.p0, self.*c.v0, self.*c.a0);
        }
    }
};

// Coefficients as value objects of the value's own kind, each brought up to date
// before it is used; messages name `Self::kSource`.
template <class Value, class Self>
class DynamicPosVelAcc : public Value {
  public:
    static void Members(MemberTable<Self>& m) {
        m.template Add<&Self::P0>("P0");
        m.template Add<&Self::V0>("V0");
        m.template Add<&Self::A0>("A0");
    }

    // Passes Init on, so that keyed coefficients can be evaluated.
    void Init() override {
        if (!guard.BeginInit(Self::kSource)) {
            return;
        }
        InitMember(P0, Self::kSource, "P0");
        InitMember(V0, Self::kSource, "V0");
        InitMember(A0, Self::kSource, "A0");
        guard.EndInit();
    }

    // A missing coefficient counts as 0 in every field.
    void Update() override {
        if (!guard.BeginUpdate()) {
            return;
        }
        UpdateMember(P0);
        UpdateMember(V0);
        UpdateMember(A0);
        const float t = CurrentTime;
        for (float Value::*field : Value::kFields) {
            this->*field = PosVelAcc(t, Field(P0, field), Field(V0, field), Field(A0, field));
        }
        guard.EndUpdate();
    }

    Value* P0 = nullptr;
    Value* V0 = nullptr;
    Value* A0 = nullptr;

  private:
    static float Field(const Value* value, float Value::*field) {
        return value ? value->*field : 0.0f;
    }

    DynamicValueGuard guard;
};
