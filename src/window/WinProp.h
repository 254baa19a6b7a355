// The desktop side effects of play: the hidden cursor and the suppressed screen
// saver. The state is process-wide, shared by every instance.
#pragma once

class WinProp {
  public:
    static constexpr unsigned kCursor = 1;
    static constexpr unsigned kScreenSaver = 2;
    static constexpr unsigned kAll = 255;

    // Undoes every side effect still applied.
    virtual ~WinProp();

    // Applies (`on`) or undoes the side effects selected by `flags`; each is applied
    // once however often it is asked for. The screen saver is switched back on only if
    // it was on before, so a desktop without one stays without one.
    void SetState(unsigned flags, bool on);
};
