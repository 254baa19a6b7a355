#include "app/KeyTimer.h"

#include "app/Ticks.h"

namespace {

constexpr int64_t kUp = -1;

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

void KeyTimer::KeyDown(int code) {
    if (!IsKeyCode(code) || downTicks[code] != kUp) {
        return;
    }
    downTicks[code] = GetTickCount();
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

KeyTimer* TheKeyTimer() {
    return processKeyTimerCreated ? &processKeyTimer : nullptr;
}

KeyTimer& CreateKeyTimer() {
    processKeyTimerCreated = true;
    return processKeyTimer;
}
