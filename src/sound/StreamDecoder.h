// Sampled music (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3) decoded by libsndfile from
// a file image in memory and converted to stereo at the output rate by SDL.
#pragma once

#include <SDL.h>
#include <sndfile.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "sound/MusicDecoder.h"

class StreamDecoder : public MusicDecoder {
  public:
    // Null when libsndfile does not recognise the image; the image must outlive
    // the decoder.
    static std::unique_ptr<StreamDecoder> Open(const unsigned char* data, size_t size,
                                               int outputRate);
    ~StreamDecoder() override;

    int Decode(float* stereo, int frames) override;
    bool Rewind() override;

  private:
    // libsndfile reads the image through this cursor.
    struct MemoryFile {
        const unsigned char* data;
        sf_count_t size;
        sf_count_t position;
    };

    StreamDecoder(const unsigned char* data, size_t size);
    bool Start(int outputRate);
    // Decodes one chunk into the converter; false at the end of the file.
    bool Refill();

    static sf_count_t Length(void* user);
    static sf_count_t Seek(sf_count_t offset, int whence, void* user);
    static sf_count_t Read(void* target, sf_count_t count, void* user);
    static sf_count_t Write(const void* source, sf_count_t count, void* user);
    static sf_count_t Tell(void* user);

    MemoryFile file;
    SF_INFO info = {};
    SNDFILE* sound = nullptr;
    SDL_AudioStream* converter = nullptr;
    std::vector<float> chunk;
    bool fileEnded = false;
};
