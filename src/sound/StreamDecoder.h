// Sampled music (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3) decoded by libsndfile from
// a file image in memory, mixed to stereo and converted to the output rate by
// libsoxr, which keeps the length exact: a minute of music is a minute of output
// frames at any pair of rates, however the caller divides it into blocks.
#pragma once

#include <sndfile.h>
#include <soxr.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "sound/MusicDecoder.h"

class StreamDecoder : public MusicDecoder {
  public:
    // Null when libsndfile does not recognise the image, or refuses it with a counted
    // error naming `name` (a rate outside kMinMusicRate to kMaxSampleRate, a damaged
    // LIST or INFO chunk); the image must outlive the decoder.
    static std::unique_ptr<StreamDecoder> Open(const unsigned char* data, size_t size,
                                               int outputRate, const char* name = nullptr);
    ~StreamDecoder() override;

    int Decode(float* stereo, int frames) override;
    bool Rewind() override;
    double DeclaredSeconds() const override;

  private:
    // libsndfile reads the image through this cursor.
    struct MemoryFile {
        const unsigned char* data;
        sf_count_t size;
        sf_count_t position;
    };

    StreamDecoder(const unsigned char* data, size_t size);
    bool Start(int outputRate, const char* name);
    bool StartResampler();
    // The resampler's input: the next block of the file as stereo frames.
    static size_t Supply(void* self, soxr_in_t* data, size_t requested);
    size_t ReadStereo(size_t frames);

    static sf_count_t Length(void* user);
    static sf_count_t Seek(sf_count_t offset, int whence, void* user);
    static sf_count_t Read(void* target, sf_count_t count, void* user);
    static sf_count_t Write(const void* source, sf_count_t count, void* user);
    static sf_count_t Tell(void* user);

    MemoryFile file;
    SF_INFO info = {};
    SNDFILE* sound = nullptr;
    int outputRate = 0;
    soxr_t resampler = nullptr;
    // Both sized once, so decoding on the audio thread never allocates.
    std::vector<float> fileFrames;
    std::vector<float> stereoFrames;
};
