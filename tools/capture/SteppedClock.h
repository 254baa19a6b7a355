// The capture's clock: frame k is at k / fps seconds, whatever the drawing costs, so
// effects that build on earlier frames come out as they would at that rate.
#pragma once

#include "app/FrameClock.h"
#include "capture/CaptureOptions.h"

class SteppedClock : public FrameClock {
  public:
    explicit SteppedClock(const CapturePlan& plan) : plan(plan) {}
    int Milliseconds() override { return static_cast<int>(plan.Milliseconds(frame)); }
    long frame = 0;

  private:
    const CapturePlan& plan;
};
