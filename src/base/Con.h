// The engine's one reporting channel: every warning, error and progress note
// goes through the process-wide instance `Con`.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <vector>

#define NIMBUS_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))

class NCon {
  public:
    explicit NCon(const char* fileName);
    virtual ~NCon();
    NCon(const NCon&) = delete;
    NCon& operator=(const NCon&) = delete;

    void Print(const char* format, ...) NIMBUS_PRINTF(2, 3);
    void PrintLine(const char* format, ...) NIMBUS_PRINTF(2, 3);
    void Warning(const char* format, ...) NIMBUS_PRINTF(2, 3);
    void Error(const char* format, ...) NIMBUS_PRINTF(2, 3);
    // An error that names its source, the reporting class: "Error: NBitmap: text".
    void ErrorFrom(const char* source, const char* format, ...) NIMBUS_PRINTF(3, 4);
    void WarningFrom(const char* source, const char* format, ...) NIMBUS_PRINTF(3, 4);
    // Kind 1 is a warning, kind 2 an error, any other kind has no prefix; all count.
    void Report(int kind, int sourceId, const char* source, int code, const char* format, ...)
        NIMBUS_PRINTF(6, 7);
    void ReportCode(int code, const char* source);
    // A line that does not count but means the show will not look as written (a file
    // that is missing, a number read other than it is written): it reaches the
    // problem stream as counted messages do. Where notices count, it is a warning.
    void Notice(const char* format, ...) NIMBUS_PRINTF(2, 3);
    // Text for the problem stream too, never counted and without a place: a block
    // such as a compiler's log, which Print would otherwise write.
    void NoticeText(const char* format, ...) NIMBUS_PRINTF(2, 3);
    // Counts one notice for such a block, so that it shows in the summaries.
    void CountNotice();
    // Logs the count and starts counting again from zero.
    void PrintErrorCount();

    // Every counted message, warnings included.
    int ErrorCount() const { return errorCount; }
    int WarningCount() const { return warningCount; }
    // Every notice, also those that counted as warnings.
    int NoticeCount() const { return noticeCount; }
    // Starts counting again from zero without a message. Only the fuzz targets and
    // tests call it, to run many inputs in one process; the player counts once.
    void ResetErrorCount();
    void SetEcho(bool on) { echo = on; }
    void AttachFile(bool on);
    void EnableBuffer(bool on);
    void SetBufferSize(int size);
    void SetFileName(const char* name);

    // Counted messages and notices are copied to `stream` as well (null: nowhere), so
    // that a player started from a terminal says what went wrong without its log.
    void SetProblemStream(FILE* stream) { problemStream = stream; }
    // The check tool holds an author to what the player only notes: notices count
    // as warnings while this is on.
    void SetCountNotices(bool on) { countNotices = on; }
    // The document element that the next counted messages and notices are about:
    // they carry "file:line: " after their prefix. A null file or a line below 1
    // forgets the place.
    void SetPlace(const char* file, int line);

    // While on, a message whose text was logged before is counted as always but not
    // written again; ending writes one "(repeated N times)" line for each such
    // message. The player folds what its frames log, which would otherwise repeat
    // every frame. The room for remembered messages is taken when folding starts.
    void BeginFoldingRepeats();
    void EndFoldingRepeats();

    // The in-memory log (lines end in CR LF); null while the buffer is off.
    const char* BufferText() const { return buffer; }
    int BufferLength() const { return bufferLength; }
    int BufferCapacity() const { return bufferCapacity; }

    static constexpr int kScratchCapacity = 1024;
    static constexpr int kMinBufferCapacity = 3000;
    // How many different messages, and how many characters of them, folding keeps.
    static constexpr int kMaxFoldedMessages = 256;
    static constexpr int kFoldedTextCapacity = 64 * 1024;

  private:
    enum class Kind { kPlain, kCounted, kNotice, kNoticeText };

    // A message that folding remembers: its text lies in foldedText.
    struct FoldedMessage {
        uint64_t hash;
        int offset;
        int length;
        int repeats;
        bool problem;
    };

    // Formats prefix, place, source, the message and an optional newline into the
    // scratch area and appends it.
    void Compose(Kind kind, const char* prefix, const char* source, const char* format,
                 va_list args, bool newline);
    void Append(int length, bool problem);
    // True when the message in the scratch area is a repeat, which is then counted
    // among its repeats instead of being written.
    bool FoldRepeat(int length, bool problem);
    void AppendToBuffer(const char* text, int length);
    // Makes room for a message of `incoming` characters.
    void TrimBuffer(int incoming);

    bool echo = false;
    bool fileAttached = false;
    bool bufferEnabled = false;
    int bufferCapacity = 32000;
    char* fileName = nullptr;
    FILE* file = nullptr;
    FILE* problemStream = nullptr;
    char* buffer = nullptr;
    int bufferLength = 0;
    int scratchCapacity = kScratchCapacity;
    char* scratch = nullptr;
    int errorCount = 0;
    int warningCount = 0;
    int noticeCount = 0;
    bool countNotices = false;
    char place[256] = {};
    bool folding = false;
    std::vector<FoldedMessage> folded;
    std::vector<char> foldedText;
};

extern NCon& Con;
