#include "capture/VideoEncoder.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <vector>

#include "base/Con.h"

extern char** environ;

namespace {

std::vector<std::string> FfmpegArguments(const VideoFormat& format, const std::string& wavPath,
                                         const std::string& videoPath) {
    const std::string size = std::to_string(format.width) + "x" + std::to_string(format.height);
    return {"ffmpeg", "-hide_banner", "-nostdin", "-loglevel", "error",
            // The frames, as the capture reads them back.
            "-f", "rawvideo", "-pix_fmt", "rgb24", "-video_size", size, "-framerate",
            std::to_string(format.fps), "-i", "pipe:0",
            // The sound of exactly the same span.
            "-i", wavPath, "-map", "0:v", "-map", "1:a",
            // What video sites and players take: H.264 in 4:2:0, AAC sound.
            "-c:v", "libx264", "-preset", "fast", "-crf", "18", "-pix_fmt", "yuv420p", "-c:a",
            "aac", "-b:a", "192k", "-movflags", "+faststart", "-y", videoPath};
}

std::string DescribeStatus(int status) {
    if (WIFEXITED(status)) {
        return "exit status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return "signal " + std::to_string(WTERMSIG(status));
    }
    return "status " + std::to_string(status);
}

}  // namespace

bool ProgramOnPath(const char* name) {
    const char* path = getenv("PATH");
    std::istringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

VideoEncoder::~VideoEncoder() {
    Finish();
}

bool VideoEncoder::Start(const VideoFormat& format, const std::string& wavPath,
                         const std::string& videoPath) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        Con.Error("nimbus-capture: can't make a pipe to ffmpeg: %s", strerror(errno));
        return false;
    }
    const std::vector<std::string> arguments = FfmpegArguments(format, wavPath, videoPath);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // dup2 clears close-on-exec on the copy, so ffmpeg keeps only its end.
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const int failed = posix_spawnp(&pid, "ffmpeg", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[0]);
    if (failed != 0) {
        close(ends[1]);
        pid = -1;
        Con.Error("nimbus-capture: can't start ffmpeg: %s", strerror(failed));
        return false;
    }
    pipeFd = ends[1];
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previousSigpipe);
    return true;
}

bool VideoEncoder::WriteFrame(const unsigned char* rgb, size_t bytes) {
    while (pipeFd >= 0 && bytes > 0) {
        const ssize_t written = write(pipeFd, rgb, bytes);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        rgb += written;
        bytes -= static_cast<size_t>(written);
    }
    return pipeFd >= 0;
}

bool VideoEncoder::Finish() {
    if (pid < 0) {
        return false;
    }
    close(pipeFd);
    pipeFd = -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    pid = -1;
    sigaction(SIGPIPE, &previousSigpipe, nullptr);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return true;
    }
    Con.Error("nimbus-capture: ffmpeg stopped with %s", DescribeStatus(status).c_str());
    return false;
}
