#include "app/Demo.h"

#include <algorithm>

#include "app/FrameClock.h"
#include "base/Budgets.h"
#include "base/Con.h"
#include "base/FrameStats.h"
#include "base/FrameTime.h"
#include "io/Data.h"
#include "reflect/String.h"
#include "render/VertexPool.h"
#include "scene/Scene.h"
#include "scene/StillImage.h"
#include "sound/CurrentSound.h"
#include "sound/Sound.h"
#include "window/KeyTimer.h"

namespace {

constexpr int kMusicFlags = kSoundMusic | kSoundRate44100;
constexpr int kSpaceKey = 32;
// Fades this short or shorter are no fades.
constexpr float kShortestFade = 0.05f;

bool SpaceHeld() {
    const KeyTimer* keys = TheKeyTimer();
    return keys && keys->IsKeyDown(kSpaceKey);
}

}  // namespace

void NDemo::Members(MemberTable<NDemo>& m) {
    m.Add<&NDemo::LoadingImage>("LoadingImage");
    m.List<&NDemo::PartList>("PartList", "Part");
    m.Add<&NDemo::SoundFile>("SoundFile");
}

NDemo::~NDemo() {
    if (CurrentSound == sound) {
        CurrentSound = nullptr;
    }
    delete sound;
    delete vertexPool;
}

int NDemo::SoundFlags() const {
    if (!musicSwitch || !SoundFile || SoundFile->IsEmpty()) {
        return 0;
    }
    return kMusicFlags;
}

void NDemo::Init() {
    sound = new NSound;
    sound->Init(SoundFlags());
    if (!CurrentSound) {
        CurrentSound = sound;
    }
    vertexPool = new Nx;
    InitList(&PartList);
    vertexPool->Prepare();
    StartMusic();
}

// Music that cannot be loaded or played leaves the sound's clock unstarted; it then
// starts at its first reading, the first frame, so the show runs on the wall clock.
void NDemo::StartMusic() {
    if (!(sound->Flags() & kSoundMusic)) {
        sound->PlayMemory(nullptr, 0);
        return;
    }
    int size = 0;
    unsigned char* music = LoadMusic(&size);
    if (!music) {
        return;
    }
    if (sound->PlayMemory(music, size, SoundFile->Get()) != 0) {
        Con.Notice("NDemo: can't play music");
    }
}

unsigned char* NDemo::LoadMusic(int* size) const {
    unsigned char* music = nullptr;
    *size = SoundFile ? DefaultInput.LoadWithin(SoundFile->Get(), &music, kMaxMusicBytes,
                                                "music file", "NDemo")
                      : 0;
    if (*size <= 0) {
        delete[] music;
        Con.Notice("NDemo: can't load music file");
        return nullptr;
    }
    return music;
}

void NDemo::Update() {
    if (!SpaceHeld()) {
        const int milliseconds = frameClock ? frameClock->Milliseconds()
                                 : sound    ? sound->Position()
                                            : 0;
        heldTime = ClockSeconds(milliseconds);
    }
    const float t = heldTime;
    if (KeyTimer* keys = TheKeyTimer()) {
        keys->FlushMarks();
    }
    finished = true;
    float partStart = 0;
    NPart* part = PartAt(t, &partStart);
    currentPart = part;
    if (!part) {
        return;
    }
    CurrentTime = t - partStart;
    PartFade = FadeFactor(*part, CurrentTime, part->EndTime - partStart);
    BeginFrameStats();
    part->Update();
    EndFrameStats();
    finished = false;
}

NPart* NDemo::PartAt(float t, float* partStart) {
    *partStart = 0;
    for (NListNodeClass* node = PartList.next; node; node = node->next) {
        // The compiler links only parts into the list.
        auto* part = static_cast<NPart*>(node);
        if (part->EndTime > t) {
            return part;
        }
        *partStart = part->EndTime;
    }
    return nullptr;
}

std::vector<NDemo::Showing> NDemo::ShownParts() const {
    std::vector<Showing> shown;
    float until = 0;
    for (const NListNodeClass* node = PartList.next; node; node = node->next) {
        // The compiler links only parts into the list.
        const auto* part = static_cast<const NPart*>(node);
        if (part->EndTime > until) {
            shown.push_back({part, until, part->EndTime});
            until = part->EndTime;
        }
    }
    return shown;
}

namespace {

// A part shown, with what a restart needs of its scene: the span from the scene's
// first showing to the end of its last, and whether it keeps history.
struct SceneShowing {
    const NScene* scene;
    float from;
    float to;
    float sceneFrom;
    float sceneTo;
    bool history;
};

bool CanRestartAt(const std::vector<SceneShowing>& shown, float time, float warmUp) {
    const SceneShowing* current = nullptr;
    for (const SceneShowing& showing : shown) {
        if (showing.from <= time && showing.to > time) {
            current = &showing;
        }
    }
    bool currentSpans = false;
    for (const SceneShowing& showing : shown) {
        if (!showing.scene || showing.sceneFrom >= time || showing.sceneTo <= time) {
            continue;
        }
        if (showing.history || !current || showing.scene != current->scene) {
            return false;
        }
        currentSpans = true;
    }
    if (!currentSpans) {
        return true;
    }
    // The current scene was shown before too: its last updates must all be replayed.
    const float warmUpFrom = std::max(0.0f, time - warmUp);
    for (const SceneShowing& showing : shown) {
        if (showing.from < time && showing.to > warmUpFrom && showing.scene != current->scene) {
            return false;
        }
    }
    return true;
}

}  // namespace

float NDemo::RestartTime(float t, float warmUp) const {
    std::vector<SceneShowing> shown;
    for (const Showing& showing : ShownParts()) {
        const NScene* scene = showing.part->Scene;
        shown.push_back({scene, showing.from, showing.to, showing.from, showing.to,
                         scene && scene->KeepsHistory()});
    }
    // Scenes shown in several parts: parts are few, so pairs are cheap.
    for (SceneShowing& showing : shown) {
        for (const SceneShowing& other : shown) {
            if (other.scene == showing.scene) {
                showing.sceneFrom = std::min(showing.sceneFrom, other.from);
                showing.sceneTo = std::max(showing.sceneTo, other.to);
            }
        }
    }
    if (CanRestartAt(shown, t, warmUp)) {
        return t;
    }
    float restart = 0;
    for (const SceneShowing& showing : shown) {
        if (showing.from <= t && showing.from > restart &&
            CanRestartAt(shown, showing.from, warmUp)) {
            restart = showing.from;
        }
    }
    return restart;
}

void NDemo::Rewind() {
    for (NListNodeClass* node = PartList.next; node; node = node->next) {
        if (NScene* scene = static_cast<NPart*>(node)->Scene) {
            scene->Rewind();
        }
    }
}

float NDemo::FadeFactor(const NPart& part, float time, float partLength) {
    float fade = 1.0f;
    if (part.Fadeup > kShortestFade && part.Fadeup > time) {
        fade = time / part.Fadeup;
    }
    const float remaining = partLength - time;
    if (part.Fadedown > kShortestFade && part.Fadedown > remaining) {
        fade = remaining / part.Fadedown * fade;
    }
    return fade;
}
