// Content that draws itself: joins the drawable list of the scene being
// initialised and is drawn by that scene in its pass.
#pragma once

#include <cstdint>

#include "reflect/MemberTable.h"
#include "scene/TransformNodeContent.h"

class NMaterial;

class NDrawable : public NTransformNodeContent {
  public:
    NClass* Create() override { return new NDrawable; }
    static void Members(MemberTable<NDrawable>& m);

    // Initialises the material, then inserts the drawable at the front of
    // CurrentScene's list, so the last one initialised is drawn first in its pass.
    void Init() override;
    // Called by the scene in the drawable's pass; drawables override it.
    virtual void Render() {}
    // Forgets what earlier frames left behind, so that the drawable goes on as Init
    // left it: a part played again from its start then shows what it showed the
    // first time. Only drawables that carry something from frame to frame override it.
    virtual void Rewind() {}
    // Whether what the drawable shows depends on every frame since it was first drawn
    // (a field stepped with time), rather than on the frame alone or the one before.
    virtual bool KeepsHistory() const { return false; }

    NDrawable* prev = nullptr;
    NDrawable* next = nullptr;
    NMaterial* Material = nullptr;
    // 2 draws before every drawable of pass 1.
    int32_t pass = 1;
};
