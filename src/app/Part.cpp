#include "app/Part.h"

#include "base/Con.h"
#include "render/Renderer.h"
#include "scene/Scene.h"

void NPart::Members(MemberTable<NPart>& m) {
    m.Add<&NPart::Scene>("Scene");
    m.Add<&NPart::EndTime>("EndTime");
    m.Add<&NPart::Fadeup>("Fadeup");
    m.Add<&NPart::Fadedown>("Fadedown");
}

bool NPart::CheckScene() const {
    if (!Scene) {
        Con.Error("NPart: part ending at %.3f s has no Scene", EndTime);
        return false;
    }
    return true;
}

void NPart::Init() {
    if (CheckScene()) {
        Scene->Init();
    }
}

// Without a scene the frame is cleared to black, so the part shows nothing rather
// than whatever the last frame left behind.
void NPart::Update() {
    if (!Scene) {
        CurrentRenderer().Clear({0.0f, 0.0f, 0.0f, 1.0f});
        return;
    }
    Scene->Update();
}
