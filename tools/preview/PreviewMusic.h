// The preview's music: the production's music file decoded whole, once, so that play
// can start at any time at once; played through the sound layer's output. The
// timeline does not follow it: the preview's own clock does, so a machine without an
// audio device previews in silence and nothing else changes.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sound/MusicOutput.h"

class PreviewMusic {
  public:
    // The longest music kept; the rest of a longer one is silent in the preview.
    static constexpr long kLongestSeconds = 30 * 60;

    // Opens the audio device; false, and silence from then on, without one.
    bool Open();
    // Takes the music file's image (null for none) and decodes it, unless it is the
    // image decoded last. False for an image that is no music.
    bool Load(const unsigned char* image, int size);
    // Plays from `milliseconds` into the music.
    void PlayFrom(long milliseconds);
    void Pause();
    void Close() { output.Close(); }

  private:
    MusicOutput output;
    int rate = kMusicRate;
    std::vector<unsigned char> image;
    // Stereo frames at `rate`, shared with the decoder the audio thread plays.
    std::shared_ptr<const std::vector<int16_t>> samples;
};
