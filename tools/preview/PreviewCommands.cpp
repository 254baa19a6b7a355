#include "preview/PreviewCommands.h"

#include <cerrno>
#include <cstdlib>

#include "cli/ProductionArguments.h"

namespace {

using Kind = PreviewCommand::Kind;

// The line without the blanks around it; a trailing CR of a CR LF line goes too.
std::string Trimmed(const std::string& line) {
    const char* blanks = " \t\r";
    const size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return "";
    }
    return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

PreviewCommand Invalid(const std::string& reason) {
    return {Kind::kInvalid, 0, reason};
}

bool ReadFrames(const std::string& text, long* frames) {
    char* end = nullptr;
    errno = 0;
    *frames = strtol(text.c_str(), &end, 10);
    // A day of frames at the capture's rate either way is more than any show.
    return end != text.c_str() && *end == '\0' && errno == 0 && labs(*frames) <= 24L * 3600 * 30;
}

}  // namespace

PreviewCommand ParseCommand(const std::string& line) {
    const std::string command = Trimmed(line);
    const size_t space = command.find_first_of(" \t");
    const std::string word = command.substr(0, space);
    const std::string argument =
        space == std::string::npos ? "" : Trimmed(command.substr(space + 1));
    const struct {
        const char* word;
        Kind kind;
    } plain[] = {{"pause", Kind::kPause},
                 {"play", Kind::kPlay},
                 {"reload", Kind::kReload},
                 {"time", Kind::kTime},
                 {"quit", Kind::kQuit}};
    for (const auto& entry : plain) {
        if (word == entry.word) {
            if (!argument.empty()) {
                return Invalid(word + " takes nothing after it");
            }
            return {entry.kind, 0, ""};
        }
    }
    if (word == "seek") {
        long milliseconds = 0;
        if (!ReadMilliseconds(argument.c_str(), &milliseconds)) {
            return Invalid("seek wants a time in seconds, not '" + argument + "'");
        }
        return {Kind::kSeek, milliseconds, ""};
    }
    if (word == "step") {
        long frames = 1;
        if (!argument.empty() && !ReadFrames(argument, &frames)) {
            return Invalid("step wants a whole number of frames, not '" + argument + "'");
        }
        return {Kind::kStep, frames, ""};
    }
    if (word == "part" || word == "snap") {
        if (argument.empty()) {
            return Invalid(word == "part" ? "part wants the name of a part"
                                          : "snap wants the name of a PNG file");
        }
        return {word == "part" ? Kind::kPart : Kind::kSnap, 0, argument};
    }
    if (word.empty()) {
        return Invalid("empty command");
    }
    return Invalid("unknown command '" + word + "'");
}
