// A timed part of the demo: it shows its scene until its end time, an absolute time
// on the demo clock.
#pragma once

#include "reflect/Class.h"
#include "reflect/MemberTable.h"

class NScene;

class NPart : public NListNodeClass {
  public:
    NClass* Create() override { return new NPart; }
    static void Members(MemberTable<NPart>& m);

    // The scene's Init. A part without a scene is reported here, once, and shows
    // nothing while it is current.
    void Init() override;
    // False, with the player's message, for a part without a scene.
    bool CheckScene() const;
    // The scene's Update, which both advances and draws it.
    void Update() override;

    NScene* Scene = nullptr;
    float EndTime = 0;
    float Fadeup = 0;
    float Fadedown = 0;
};
