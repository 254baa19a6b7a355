#include "scene/Drawable.h"

#include "base/Con.h"
#include "render/Material.h"
#include "scene/DocumentChecks.h"
#include "scene/Scene.h"

void NDrawable::Members(MemberTable<NDrawable>& m) {
    m.Add<&NDrawable::Material>("Material");
}

void NDrawable::Init() {
    if (IsSet(this, Material, "Material")) {
        Material->Init();
    }
    if (!CurrentScene) {
        Con.Error("Drawable [%s]: no scene is being initialised; it is never drawn",
                  ClassNameOf(this));
        return;
    }
    // A second insertion would link the drawable to itself and the pass would
    // never end; a drawable on two nodes is drawn once.
    if (prev) {
        Con.Error("Drawable [%s]: already in a drawable list; it is drawn once", ClassNameOf(this));
        return;
    }
    NDrawable& head = CurrentScene->drawables;
    prev = &head;
    next = head.next;
    if (next) {
        next->prev = this;
    }
    head.next = this;
}
