// A surface for the renderer that draws nothing: no window, no display, no video
// start-up. Opening it makes that renderer current until it closes, and frames select
// it as they would a window, so cameras still find the picture's size. A tool plays a
// demo on it to run everything but the drawing.
#pragma once

#include "window/Surface.h"

class Renderer;

class NNullSurface : public NSurface {
  public:
    NNullSurface() = default;
    ~NNullSurface() override;

    void Open() override;
    void BeginFrame() override { Select(); }
    void EndFrame() override { Deselect(); }
    // Returns to the renderer that was current before Open.
    void Close() override;
    bool CanDraw() const override { return previous != nullptr; }

  private:
    // The renderer current before Open; null while closed.
    Renderer* previous = nullptr;
};
