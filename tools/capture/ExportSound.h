// The sound of an export: the production's music for exactly the exported frames,
// decoded offline exactly as the player plays it, and written as a WAV file.
#pragma once

#include <string>
#include <vector>

class NDemo;

// The stereo frames (two floats each, at the music rate) for the video frames
// [first, end) of a clock of `fps` frames a second; silence where there is no
// music. A demo whose music cannot be read gives silence and a warning.
std::vector<float> ExportMusic(const NDemo& demo, long first, long end, int fps);

// Writes `stereo` as a 16-bit stereo WAV file at the music rate; false when it
// cannot be written.
bool WriteWav(const std::string& path, const std::vector<float>& stereo);

// The first sample of video frame `frame`: frames and samples share time 0.
long SampleOfFrame(long frame, int fps);
