#include "app/Demo.h"

#include "app/FrameClock.h"
#include "base/Budgets.h"
#include "base/Con.h"
#include "base/FrameStats.h"
#include "base/FrameTime.h"
#include "io/Data.h"
#include "reflect/String.h"
#include "render/VertexPool.h"
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
