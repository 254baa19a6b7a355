#include "window/KeyTimer.h"

#include "base/Con.h"
#include "base/Ticks.h"

namespace {

constexpr int64_t kUp = -1;
// A and Z never mark: the marks are the letters B to Y.
constexpr int kFirstMarkKey = 'B';
constexpr int kLastMarkKey = 'Y';

bool IsKeyCode(int code) {
    return code >= 0 && code < KeyTimer::kKeyCount;
}

KeyTimer processKeyTimer;
bool processKeyTimerCreated = false;

}  // namespace

KeyTimer::KeyTimer() {
    for (int64_t& ticks : downTicks) {
        ticks = kUp;
    }
}

void KeyTimer::KeyDown(int code, float musicSeconds) {
    if (!IsKeyCode(code) || downTicks[code] != kUp) {
        return;
    }
    downTicks[code] = GetTickCount();
    if (markCount < kKeyCount && code >= kFirstMarkKey && code <= kLastMarkKey) {
        marks[markCount++] = {code, musicSeconds};
    }
}

void KeyTimer::KeyUp(int code) {
    if (!IsKeyCode(code)) {
        return;
    }
    downTicks[code] = kUp;
}

bool KeyTimer::IsKeyDown(int code) const {
    return IsKeyCode(code) && downTicks[code] != kUp;
}

void KeyTimer::FlushMarks() {
    for (int i = 0; i < markCount; ++i) {
        Con.PrintLine("Timer: [%c] %8.3f", marks[i].code, marks[i].seconds);
    }
    markCount = 0;
}

KeyTimer* TheKeyTimer() {
    return processKeyTimerCreated ? &processKeyTimer : nullptr;
}

KeyTimer& CreateKeyTimer() {
    processKeyTimerCreated = true;
    return processKeyTimer;
}

void ForgetKeyTimer() {
    processKeyTimer = KeyTimer();
    processKeyTimerCreated = false;
}
