// The demo timeline: the parts in list order, the music and its clock, the loading
// image, and the quad vertex pool the parts' scenes share.
#pragma once

#include "app/Part.h"
#include "reflect/Class.h"
#include "reflect/MemberTable.h"

#include <vector>

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

    // A part the timeline shows, from the largest end time of the parts before it in
    // the list up to its own end time, which is larger.
    struct Showing {
        const NPart* part;
        float from;
        float to;
    };
    // Every part the timeline shows, in play order.
    std::vector<Showing> ShownParts() const;

    // The latest time at or before `t` from which playing on, after Rewind, gives
    // exactly what playing from 0 gives, provided the frames of the `warmUp` seconds
    // before it are played too: `t` itself, the start of a part, or 0. A scene's frame
    // depends on its last two updates at most (a raytracer shows the rays of the frame
    // before, cast with the camera of the frame before that), except in a scene that
    // keeps history, which needs every update since its first. So a scene shown both
    // before and after the restart time must be the one shown throughout the warm-up,
    // and keep no history. For seeks, not frames: it allocates.
    float RestartTime(float t, float warmUp) const;
    // Every part's scene back to how Init left it, before playing from a restart time.
    void Rewind();

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
    // The part's fade at `time` seconds into it: 1 outside its fade-in and fade-out.
    static float FadeFactor(const NPart& part, float time, float partLength);

    FrameClock* frameClock = nullptr;
    // The time of the last frame drawn with the clock running: space held keeps it.
    float heldTime = 0;
};
