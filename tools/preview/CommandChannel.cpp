#include "preview/CommandChannel.h"

#include <errno.h>
#include <poll.h>
#include <unistd.h>

CommandChannel::~CommandChannel() {
    if (replies) {
        fclose(replies);
    }
}

bool CommandChannel::Open() {
    fflush(stdout);
    const int replyFd = dup(STDOUT_FILENO);
    if (replyFd < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        return false;
    }
    replies = fdopen(replyFd, "w");
    return replies != nullptr;
}

bool CommandChannel::NextLine(std::string* line) {
    while (true) {
        const size_t newline = received.find('\n');
        if (newline != std::string::npos) {
            line->assign(received, 0, newline);
            received.erase(0, newline + 1);
            return true;
        }
        pollfd input = {STDIN_FILENO, POLLIN, 0};
        if (ended || poll(&input, 1, 0) <= 0) {
            return false;
        }
        char chunk[4096];
        const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            return false;
        }
        if (got <= 0) {
            // The end of the input, or a hang-up: a last line without its newline
            // still counts.
            ended = true;
            if (received.empty()) {
                return false;
            }
            received += '\n';
            continue;
        }
        received.append(chunk, static_cast<size_t>(got));
        if (received.size() > kLongestLine && received.find('\n') == std::string::npos) {
            received.resize(kLongestLine);
        }
    }
}

void CommandChannel::Reply(const std::string& text) {
    if (replies) {
        fprintf(replies, "%s\n", text.c_str());
        fflush(replies);
    }
}
