// The bundled production's media, made by the project itself: procedural pictures
// and type (FreeType with a font from Debian) written through the engine's own TGA
// and JPEG codecs, a tune rendered to Ogg Vorbis through libsndfile, and a tiny
// ProTracker module.
#pragma once

#include <string>

// The tune's tempo is fixed: 120 beats a minute, four beats a bar, so every part
// change of the bundled show can fall on a beat.
constexpr double kTuneBeatSeconds = 0.5;
constexpr double kTuneBarSeconds = 4 * kTuneBeatSeconds;
// Seconds of music the tune lasts, 36 bars: the length of the bundled show.
constexpr double kTuneSeconds = 36 * kTuneBarSeconds;

// Writes every picture of the show into `dir`; 0 on success, else the number of
// pictures that could not be written (each named on stderr).
int WriteDemoImages(const std::string& dir);
// A plain width x height picture of one colour, for tests that check pixels; TGA or
// JPEG by the name's extension.
int WriteFlatImage(const std::string& dir, const std::string& name, int width, int height,
                   unsigned char red, unsigned char green, unsigned char blue);

// Renders `seconds` of the show's tune to an Ogg Vorbis file; 0 on success.
int WriteTune(const std::string& path, double seconds);

// Writes a four-channel ProTracker module with one looped square-wave instrument
// playing an arpeggio for about eight seconds; 0 on success.
int WriteModule(const std::string& path);
