// The demo timeline: the parts in list order, the music and its clock, the loading
// image, and the quad vertex pool the parts' scenes share.
#pragma once

#include "app/Part.h"
#include "reflect/Class.h"
#include "reflect/MemberTable.h"

class FrameClock;
class NSound;
class NStillImage;
class NString;
class Nx;

class NDemo : public NClass {
  public:
    NDemo() = default;
    // Stops and releases the music and deletes the vertex pool; the parts belong to
    // the document.
    ~NDemo() override;
    NClass* Create() override { return new NDemo; }
    static void Members(MemberTable<NDemo>& m);

    // Creates the sound and the vertex pool, initialises every part, then starts the
    // music, so the clock starts once everything is prepared.
    void Init() override;
    // One frame: reads the clock, finds the current part, sets CurrentTime and
    // PartFade and updates the part. Sets `finished` once the clock is past the
    // last part.
    void Update() override;

    // The latest time at or before `t` from which playing on, after Rewind, gives
    // exactly what playing from 0 gives, provided the frames of the `warmUp` seconds
    // before it are played too: `t` itself, the start of a part, or 0. A scene's frame
    // depends on its last two updates at most (a raytracer shows the rays of the frame
    // before, cast with the camera of the frame before that), except in a scene that
    // keeps history, which needs every update since its first. So each scene shown
    // from the restart time on must either not have been shown before it, or be the
    // scene shown throughout the warm-up and keep no history.
    float RestartTime(float t, float warmUp) const;
    // Every part's scene back to how Init left it, before playing from a restart time.
    void Rewind();
    // The time from which the timeline shows `part`, the largest end time of the
    // parts before it in the list; -1 when it never does, its own being no larger.
    float ShownFrom(const NPart* part) const;

    // Replaces the music clock as the source of the timeline's time (null restores
    // it); the capture tool steps frames with it.
    void SetClock(FrameClock* clock) { frameClock = clock; }

    NStillImage* LoadingImage = nullptr;
    // The list root; the parts run in the reverse of their document order.
    NPart PartList;
    NSound* sound = nullptr;
    NString* SoundFile = nullptr;
    bool finished = false;
    // The part the last frame showed; null before the first and after the last.
    NPart* currentPart = nullptr;
    bool musicSwitch = true;
    Nx* vertexPool = nullptr;

    // The whole "SoundFile" (new[]), loaded through the default input; null, with the
    // player's message, when it cannot be loaded.
    unsigned char* LoadMusic(int* size) const;

  private:
    int SoundFlags() const;
    void StartMusic();
    // The part current at time `t`, or null; `partStart` gets the end time of the
    // part before it.
    NPart* PartAt(float t, float* partStart);
    // Whether playing from `time`, after `warmUp` seconds of frames, is exact.
    bool CanRestartAt(float time, float warmUp) const;
    // Whether a part shown before `time` shows `scene`.
    bool ShownBefore(const NScene* scene, float time) const;
    // Whether every part shown between `from` and `to` shows `scene`.
    bool ShownThroughout(const NScene* scene, float from, float to) const;
    // The part's fade at `time` seconds into it: 1 outside its fade-in and fade-out.
    static float FadeFactor(const NPart& part, float time, float partLength);

    FrameClock* frameClock = nullptr;
    // The time of the last frame drawn with the clock running: space held keeps it.
    float heldTime = 0;
};
