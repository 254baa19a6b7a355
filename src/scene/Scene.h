// What one part of the demo shows: a tree of transform nodes below an identity
// root, a background image, two views and the list of drawables its nodes carry.
// The scene runs the whole frame: it updates the nodes top-down, applies View2D's
// projection and draws its drawables, pass 2 before pass 1.
#pragma once

#include <cstdint>

#include "reflect/Class.h"
#include "reflect/MemberTable.h"
#include "scene/Drawable.h"
#include "scene/IdentityNode.h"

class NStillImage;
class NView;

class NScene : public NListNodeClass {
  public:
    NClass* Create() override { return new NScene; }
    static void Members(MemberTable<NScene>& m);

    // Once: the background image, the root and every node below it, counting the
    // vertex needs reported meanwhile for this scene. Members the scene needs and
    // the document left out are reported here.
    void Init() override;
    // One frame: advances and draws the scene.
    void Update() override;
    // Back to how Init left the scene: every drawable rewound and every node's
    // matrices the identity again, so that the next frame is as its first.
    void Rewind();
    // Whether a drawable of the scene keeps history from frame to frame.
    bool KeepsHistory() const;
    // Only a scene may precede a scene in a list; anything else is reported and the
    // scene stays unlinked.
    void SetParent(NListNodeClass* node) override;

    // Seconds; read by the timeline, not by the scene.
    float EndTime = 0;
    // Optional: a scene without one is simply drawn over the clear colour.
    NStillImage* BackgroundImage = nullptr;
    // The view whose node's worldInverse is the camera transform of 3D drawables.
    NView* View3D = nullptr;
    // The view whose projection every drawable of the frame is drawn with.
    NView* View2D = nullptr;
    NIdentityNode root;
    // Head of the drawable list; never drawn itself.
    NDrawable drawables;
    bool initialised = false;
    // What the meshes set up while this scene was being initialised allocated:
    // together they stay within kMaxSceneVertices (base/Budgets.h).
    int64_t meshVertices = 0;

  private:
    // Clears the frame and draws the background image.
    void DrawBackground();
    void RenderPassOf(int pass);
};

// The scene being initialised or updated; null before the first.
extern NScene* CurrentScene;
// The pass being drawn, 1 or 2.
extern int RenderPass;
