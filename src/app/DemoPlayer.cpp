#include "app/DemoPlayer.h"

#include "app/Demo.h"
#include "base/Con.h"
#include "base/FrameTime.h"
#include "render/UndrawnRenderer.h"
#include "scene/StillImage.h"
#include "sound/CurrentSound.h"
#include "window/Surface.h"

DemoPlayer::~DemoPlayer() {
    Con.EndFoldingRepeats();
    delete demo;
    delete surface;
}

bool DemoPlayer::CanDraw() const {
    return started && surface && surface->CanDraw();
}

void DemoPlayer::Prepare() {
    if (started) {
        return;
    }
    started = true;
    surface->Open();
    if (!CanDraw()) {
        return;
    }
    DrawLoadingImage();
    demo->Init();
    // A problem of a frame is usually one of every frame; the log keeps the first.
    Con.BeginFoldingRepeats();
}

// Drawn once, so it stays on screen while the demo prepares.
void DemoPlayer::DrawLoadingImage() {
    NStillImage* image = demo->LoadingImage;
    if (!image) {
        return;
    }
    image->Init();
    CurrentTime = 0;
    surface->BeginFrame();
    image->Update();
    image->Render();
    surface->EndFrame();
}

void DemoPlayer::Run() {
    Prepare();
    if (CanDraw()) {
        while (PlayFrame()) {
        }
    }
    surface->Close();
}

bool DemoPlayer::PlayFrame() {
    surface->BeginFrame();
    demo->Update();
    surface->EndFrame();
    const bool going = surface->PumpMessages(MusicSeconds());
    return going && !demo->finished;
}

void PlayUndrawnFrame(NSurface& surface, NDemo& demo) {
    Renderer& drawing = CurrentRenderer();
    UndrawnRenderer undrawn(drawing);
    SelectRenderer(undrawn);
    surface.Select();
    demo.Update();
    surface.Deselect();
    SelectRenderer(drawing);
}

bool DemoPlayer::PlayFrameUndrawn() {
    PlayUndrawnFrame(*surface, *demo);
    return !QuitRequested && !demo->finished;
}
