#include "app/Part.h"

#include <GL/gl.h>

#include "base/Con.h"
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
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        return;
    }
    Scene->Update();
}
