// The command channel's language: one command a line, its word first.
#pragma once

#include <string>

struct PreviewCommand {
    enum class Kind { kSeek, kPause, kPlay, kStep, kPart, kSnap, kReload, kTime, kQuit, kInvalid };
    Kind kind = Kind::kInvalid;
    // seek: the time; step: the frames, negative for back.
    long number = 0;
    // part: the part's name; snap: the file; an invalid line: what is wrong with it.
    std::string text;
};

// Reads one line (without its newline): `seek SECONDS`, `pause`, `play`, `step [N]`,
// `part NAME`, `snap FILE.png`, `reload`, `time` or `quit`. Anything else is kInvalid
// with the reason in `text`, "unknown command ..." for a word it does not know.
PreviewCommand ParseCommand(const std::string& line);
