// The sound of an export: the production's music for exactly the exported frames,
// decoded offline exactly as the player plays it, and written as a WAV file.
#pragma once

#include <string>

class NDemo;

// Writes the stereo sound for the video frames [first, end) of a clock of `fps`
// frames a second as 16-bit WAV at the music rate: silence where there is no music,
// and silence with a warning when the demo's music cannot be read. The music is
// decoded and written block by block, so memory stays the same however long the
// span; sound beyond the 4 GiB a WAV file can address is written as RF64. False
// when the file cannot be written.
bool WriteExportSound(const NDemo& demo, long first, long end, int fps, const std::string& path);

// The first sample of video frame `frame`: frames and samples share time 0.
long SampleOfFrame(long frame, int fps);
