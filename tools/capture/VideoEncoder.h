// The video encoder of an export: an ffmpeg process that reads raw RGB frames from
// a pipe and the sound from a WAV file and writes an MP4 file (H.264 and AAC).
#pragma once

#include <sys/types.h>

#include <csignal>
#include <cstddef>
#include <string>

struct VideoFormat {
    int width = 0;
    int height = 0;
    int fps = 0;
};

class VideoEncoder {
  public:
    VideoEncoder() = default;
    // Finishes a run that was not finished.
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;

    // Starts ffmpeg; false, logged, when it cannot be started.
    bool Start(const VideoFormat& format, const std::string& wavPath, const std::string& videoPath);
    // Sends one frame of width x height x 3 bytes, top row first. False once ffmpeg
    // has stopped reading: a dead encoder gives a broken pipe, never a hang.
    bool WriteFrame(const unsigned char* rgb, size_t bytes);
    // Closes the pipe and waits for ffmpeg; true when it wrote the file, else its
    // exit status is logged.
    bool Finish();

  private:
    pid_t pid = -1;
    int pipeFd = -1;
    // The broken pipe must come back as an error from write, not end the process.
    struct sigaction previousSigpipe = {};
};

// True when `name` is an executable file in one of the folders of PATH.
bool ProgramOnPath(const char* name);
