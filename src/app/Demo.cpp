#include "app/Demo.h"

#include <algorithm>

#include "app/FrameClock.h"
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
    if (sound->PlayMemory(music, size) != 0) {
        Con.PrintLine("NDemo: can't play music");
    }
}

unsigned char* NDemo::LoadMusic(int* size) const {
    unsigned char* music = nullptr;
    *size = SoundFile ? DefaultInput.Load(SoundFile->Get(), &music) : 0;
    if (*size <= 0) {
        delete[] music;
        Con.PrintLine("NDemo: can't load music file");
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

namespace {

const NPart* NextPart(const NListNodeClass* node) {
    // The compiler links only parts into the list.
    return static_cast<const NPart*>(node->next);
}

}  // namespace

float NDemo::ShownFrom(const NPart* part) const {
    float start = 0;
    for (const NPart* earlier = NextPart(&PartList); earlier != part; earlier = NextPart(earlier)) {
        start = std::max(start, earlier->EndTime);
    }
    return part->EndTime > start ? start : -1.0f;
}

float NDemo::RestartTime(float t, float warmUp) const {
    if (CanRestartAt(t, warmUp)) {
        return t;
    }
    float restart = 0;
    for (const NPart* part = NextPart(&PartList); part; part = NextPart(part)) {
        const float start = ShownFrom(part);
        if (start > restart && start <= t && CanRestartAt(start, warmUp)) {
            restart = start;
        }
    }
    return restart;
}

bool NDemo::CanRestartAt(float time, float warmUp) const {
    const NPart* current = nullptr;
    for (const NPart* part = NextPart(&PartList); part; part = NextPart(part)) {
        const float from = ShownFrom(part);
        if (from >= 0 && from <= time && part->EndTime > time) {
            current = part;
        }
    }
    for (const NPart* later = NextPart(&PartList); later; later = NextPart(later)) {
        const NScene* scene = later->Scene;
        if (!scene || ShownFrom(later) < 0 || later->EndTime <= time || !ShownBefore(scene, time)) {
            continue;
        }
        if (scene->KeepsHistory() || !current || current->Scene != scene ||
            !ShownThroughout(scene, std::max(0.0f, time - warmUp), time)) {
            return false;
        }
    }
    return true;
}

bool NDemo::ShownBefore(const NScene* scene, float time) const {
    for (const NPart* part = NextPart(&PartList); part; part = NextPart(part)) {
        const float from = ShownFrom(part);
        if (part->Scene == scene && from >= 0 && from < time) {
            return true;
        }
    }
    return false;
}

bool NDemo::ShownThroughout(const NScene* scene, float from, float to) const {
    for (const NPart* part = NextPart(&PartList); part; part = NextPart(part)) {
        const float shown = ShownFrom(part);
        if (shown >= 0 && shown < to && part->EndTime > from && part->Scene != scene) {
            return false;
        }
    }
    return true;
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
