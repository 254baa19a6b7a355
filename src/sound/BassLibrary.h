// The project's own audio library: sixteen C entry points that open the audio
// output through SDL2 and play music channels decoded from files held in memory.
// Every entry point returns 0 (or a null handle) for failure; BASS_ErrorGetCode
// then says why. All of them are called from one thread (the player's); the
// output runs on SDL's audio thread and decodes there.
#pragma once

#include <cstdint>

// Why the last call failed.
enum BassError : int {
    kBassOk = 0,
    kBassErrorNotInitialised = 1,
    kBassErrorAlreadyInitialised = 2,
    kBassErrorNoDevice = 3,
    kBassErrorParameter = 4,
    kBassErrorFileOpen = 5,
    kBassErrorFormat = 6,
    kBassErrorHandle = 7,
    kBassErrorMemory = 8,
};

// The output device that BASS_Init opens by default.
constexpr int kBassDefaultDevice = -1;
// BASS_MusicLoad: smooth volume changes of tracker modules (without it they are
// rendered without ramping, as the old trackers did).
constexpr uint32_t kBassMusicRamp = 0x200;
// What BASS_ChannelIsActive answers.
constexpr uint32_t kBassStopped = 0;
constexpr uint32_t kBassPlaying = 1;
constexpr uint32_t kBassPaused = 2;
// Sync kinds of BASS_ChannelSetSync: at the end of the music, or when play reaches
// a position in milliseconds.
constexpr uint32_t kBassSyncEnd = 1;
constexpr uint32_t kBassSyncPosition = 2;

// Called on the audio thread, which holds the output's lock: it must not call the
// library.
using BassSyncProc = void (*)(uint32_t sync, uint32_t channel, void* user);

extern "C" {

int BASS_ErrorGetCode();
// Opens the output at `rate` Hz, stereo. `window` and `deviceId` name the caller's
// window and a device where a platform needs them; SDL needs neither. `flags`
// are accepted for the caller's sake and change nothing.
int BASS_Init(int device, uint32_t rate, uint32_t flags, void* window, const void* deviceId);
// Stops the output and frees every channel.
int BASS_Free();
// Share of the audio thread's time budget spent decoding, in percent.
float BASS_GetCPU();
// Starts or resumes the output; BASS_Init leaves it running.
int BASS_Start();
int BASS_Pause();
// Master volume from 0 to 1.
int BASS_SetVolume(float volume);
// A tracker module (MOD, XM, S3M, IT and the rest); with `mem` the file is the
// image at file + offset, which must outlive the channel, else a path whose bytes
// from offset on are read. A length of 0 means "to the end" of a named file.
// `rate` 0 renders at the output rate.
uint32_t BASS_MusicLoad(int mem, const void* file, uint64_t offset, uint64_t length, uint32_t flags,
                        uint32_t rate);
// A sampled stream (WAV, AIFF, FLAC, Ogg Vorbis, Opus, MP3); file as above.
uint32_t BASS_StreamCreateFile(int mem, const void* file, uint64_t offset, uint64_t length,
                               uint32_t flags);
// Plays a channel, from its start when `restart` is set or when it has ended.
int BASS_ChannelPlay(uint32_t channel, int restart);
uint32_t BASS_ChannelIsActive(uint32_t channel);
// Volume from 0 to 1, pan from -1 (left) to 1 (right).
int BASS_ChannelSetAttributes(uint32_t channel, float volume, float pan);
// Either pointer may be null.
int BASS_ChannelGetAttributes(uint32_t channel, float* volume, float* pan);
// Milliseconds of the channel played since it was last started from its start.
uint64_t BASS_ChannelGetPosition(uint32_t channel);
// Peak of the last mixed block: left in the low 16 bits, right in the high 16 bits,
// each 0 to 32767.
uint32_t BASS_ChannelGetLevel(uint32_t channel);
// Calls `proc` each time the channel reaches its end (kBassSyncEnd) or the position
// `param` in milliseconds (kBassSyncPosition); returns the sync's handle.
uint32_t BASS_ChannelSetSync(uint32_t channel, uint32_t type, uint64_t param, BassSyncProc proc,
                             void* user);
}
