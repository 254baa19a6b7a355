// The engine's one reporting channel: every warning, error and progress note
// goes through the process-wide instance `Con`.
#pragma once

#include <cstdarg>
#include <cstdio>

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
    // Kind 1 is a warning, kind 2 an error, any other kind has no prefix; all count.
    void Report(int kind, int sourceId, const char* source, int code, const char* format, ...)
        NIMBUS_PRINTF(6, 7);
    void ReportCode(int code, const char* source);
    // Logs the count and starts counting again from zero.
    void PrintErrorCount();

    int ErrorCount() const { return errorCount; }
    // Starts counting again from zero without a message. Only the fuzz targets and
    // tests call it, to run many inputs in one process; the player counts once.
    void ResetErrorCount() { errorCount = 0; }
    void SetEcho(bool on) { echo = on; }
    void AttachFile(bool on);
    void EnableBuffer(bool on);
    void SetBufferSize(int size);
    void SetFileName(const char* name);

    // The in-memory log (lines end in CR LF); null while the buffer is off.
    const char* BufferText() const { return buffer; }
    int BufferLength() const { return bufferLength; }
    int BufferCapacity() const { return bufferCapacity; }

    static constexpr int kScratchCapacity = 1024;
    static constexpr int kMinBufferCapacity = 3000;

  private:
    // Formats prefix, source, the message and an optional newline into the scratch area.
    void Compose(const char* prefix, const char* source, const char* format, va_list args,
                 bool newline);
    void Append(int length);
    void AppendToBuffer(const char* text, int length);
    // Makes room for a message of `incoming` characters.
    void TrimBuffer(int incoming);

    bool echo = false;
    bool fileAttached = false;
    bool bufferEnabled = false;
    int bufferCapacity = 32000;
    char* fileName = nullptr;
    FILE* file = nullptr;
    char* buffer = nullptr;
    int bufferLength = 0;
    int scratchCapacity = kScratchCapacity;
    char* scratch = nullptr;
    int errorCount = 0;
};

extern NCon& Con;
