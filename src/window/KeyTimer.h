// The key timer: which keys are down and since when, and the authoring marks. The
// surface's window procedure feeds it every key press and release as a Windows
// virtual-key number (Escape 27, space 32, letters 65 to 90), the numbers its users
// compare against. A press comes with the music time it happened at, which the
// marks record: the timer knows no clock of its own.
#pragma once

#include <cstdint>

class KeyTimer {
  public:
    static constexpr int kKeyCount = 256;

    KeyTimer();

    // Records the press of `code` at `musicSeconds`; key repeats of a key already down
    // change nothing.
    void KeyDown(int code, float musicSeconds);
    void KeyUp(int code);
    bool IsKeyDown(int code) const;
    // Logs every waiting mark as "Timer: [%c] %8.3f" and forgets them; the demo calls
    // it once per frame, so a mark reaches the log at the frame after its press.
    void FlushMarks();

    int MarkCount() const { return markCount; }

  private:
    // A letter B to Y pressed at a music time, waiting to be logged.
    struct Mark {
        int code;
        float seconds;
    };

    // Tick count at which each key went down, -1 while it is up. Wider than the tick
    // count, so no real tick count can be mistaken for "up".
    int64_t downTicks[kKeyCount];
    Mark marks[kKeyCount];
    int markCount = 0;
};

// The process-wide key timer: null until the first surface opens, from then on the
// same timer for the rest of the process.
KeyTimer* TheKeyTimer();
// Creates the process-wide key timer unless it exists.
KeyTimer& CreateKeyTimer();
// Back to no key timer, its keys and marks cleared. Only tests call it, so that each
// starts as a fresh process would.
void ForgetKeyTimer();
