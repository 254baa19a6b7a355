// What the fuzz targets share: the engine prepared once per process, each input
// written as a file of a private folder that the default input reads, and the
// process-wide state put back after every input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class MusicDecoder;

namespace fuzz {

// The output rate the music targets decode at.
constexpr int kMusicRate = 44100;

// Registers the classes and mounts the default input on a private folder, which
// is removed at exit. Called once, from LLVMFuzzerInitialize.
void PrepareEngine();
// Writes `data` as the file `name` of the private folder; returns its path.
std::string WriteInput(const char* name, const uint8_t* data, size_t size);
// Makes the private folder the default input again.
void ReadFromFolder();
// Loads the document `name` through the default input and, when loading logged
// nothing, compiles it as the player does.
void CompileDocument(const char* name);
// Loads the picture `name` through the default input with the codec its name picks.
void LoadPicture(const char* name);
// Decodes up to a second of music as the audio thread would, then rewinds and
// decodes its start again.
void DecodeMusic(MusicDecoder& decoder);
// Deletes every object the input made and clears the log's count, so that the next
// input starts from the state the first one saw.
void ForgetInput();

}  // namespace fuzz
