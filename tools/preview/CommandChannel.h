// Standard input and output as the preview's command channel: lines read without
// ever blocking the frame loop, and one reply line for each. Opening it moves
// everything else the process writes to standard output (the log's echo) over to
// standard error, so that an editor reading standard output finds only replies.
#pragma once

#include <cstdio>
#include <string>

class CommandChannel {
  public:
    CommandChannel() = default;
    ~CommandChannel();
    CommandChannel(const CommandChannel&) = delete;
    CommandChannel& operator=(const CommandChannel&) = delete;

    // False when standard output cannot be taken over.
    bool Open();
    // The next whole line that has arrived, without its newline; false, at once, when
    // none has. After the input ends nothing more arrives.
    bool NextLine(std::string* line);
    // Writes `text` and a newline to the replies, at once.
    void Reply(const std::string& text);

  private:
    // The longest line kept; the rest of a longer one is dropped.
    static constexpr size_t kLongestLine = 65536;

    FILE* replies = nullptr;
    std::string received;
    bool ended = false;
};
