#include "base/Con.h"

#include <cstdlib>
#include <cstring>

namespace {

const char kWarningPrefix[] = "Warning: ";
const char kErrorPrefix[] = "Error: ";
const char kSeparator[] = "\n------------------------------------------------\n\n";
const char kOverflowNotice[] =
    "message buffer overflow.\r\nThe earliest messages are removed.\r\n"
    "---------------------------------------------\r\n";

// Room kept in a repeat's line for " (repeated N times)".
constexpr int kRepeatNoteRoom = 40;

// FNV-1a: messages are short and this runs only while folding.
uint64_t HashText(const char* text, int length) {
    uint64_t hash = 14695981039346656037ull;
    for (int i = 0; i < length; ++i) {
        hash = (hash ^ static_cast<unsigned char>(text[i])) * 1099511628211ull;
    }
    return hash;
}

}  // namespace

NCon::NCon(const char* name) {
    SetFileName(name);
    scratch = new char[kScratchCapacity + 1];
    SetBufferSize(32000);
}

NCon::~NCon() {
    echo = false;
    AttachFile(false);
    EnableBuffer(false);
    delete[] scratch;
    free(fileName);
}

void NCon::SetFileName(const char* name) {
    free(fileName);
    fileName = name ? strdup(name) : nullptr;
}

// The whole message is formatted in the scratch area; a message that does not fit
// is measured all the same so that Append can drop it whole.
void NCon::Compose(Kind kind, const char* prefix, const char* source, const char* format,
                   va_list args, bool newline) {
    const int room = scratchCapacity + 1;
    const bool placed = (kind == Kind::kCounted || kind == Kind::kNotice) && place[0];
    int length = snprintf(scratch, room, "%s%s%s%s%s", prefix, placed ? place : "",
                          placed ? ": " : "", source ? source : "", source ? ": " : "");
    int offset = length < room ? length : room - 1;
    length += vsnprintf(scratch + offset, room - offset, format, args);
    if (newline) {
        if (length < room - 1) {
            scratch[length] = '\n';
            scratch[length + 1] = '\0';
        }
        ++length;
    }
    Append(length, kind != Kind::kPlain);
}

void NCon::Print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Compose(Kind::kPlain, "", nullptr, format, args, false);
    va_end(args);
}

void NCon::PrintLine(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Compose(Kind::kPlain, "", nullptr, format, args, true);
    va_end(args);
}

void NCon::Warning(const char* format, ...) {
    ++errorCount;
    ++warningCount;
    va_list args;
    va_start(args, format);
    Compose(Kind::kCounted, kWarningPrefix, nullptr, format, args, true);
    va_end(args);
}

void NCon::WarningFrom(const char* source, const char* format, ...) {
    ++errorCount;
    ++warningCount;
    va_list args;
    va_start(args, format);
    Compose(Kind::kCounted, kWarningPrefix, source, format, args, true);
    va_end(args);
}

void NCon::Error(const char* format, ...) {
    ++errorCount;
    va_list args;
    va_start(args, format);
    Compose(Kind::kCounted, kErrorPrefix, nullptr, format, args, true);
    va_end(args);
}

void NCon::ErrorFrom(const char* source, const char* format, ...) {
    ++errorCount;
    va_list args;
    va_start(args, format);
    Compose(Kind::kCounted, kErrorPrefix, source, format, args, true);
    va_end(args);
}

void NCon::Report(int kind, int /*sourceId*/, const char* source, int /*code*/, const char* format,
                  ...) {
    ++errorCount;
    if (kind == 1) {
        ++warningCount;
    }
    const char* prefix = kind == 1 ? kWarningPrefix : kind == 2 ? kErrorPrefix : "";
    va_list args;
    va_start(args, format);
    Compose(Kind::kCounted, prefix, source, format, args, true);
    va_end(args);
}

void NCon::ReportCode(int code, const char* source) {
    ++errorCount;
    const int length = snprintf(scratch, scratchCapacity + 1, "[%d][%s]: %s\n", code,
                                source ? source : "", "unspecified error");
    Append(length, true);
}

void NCon::Notice(const char* format, ...) {
    va_list args;
    va_start(args, format);
    ++noticeCount;
    if (countNotices) {
        ++errorCount;
        ++warningCount;
        Compose(Kind::kCounted, kWarningPrefix, nullptr, format, args, true);
    } else {
        Compose(Kind::kNotice, "", nullptr, format, args, true);
    }
    va_end(args);
}

void NCon::NoticeText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Compose(Kind::kNoticeText, "", nullptr, format, args, false);
    va_end(args);
}

void NCon::CountNotice() {
    ++noticeCount;
    if (countNotices) {
        ++errorCount;
        ++warningCount;
    }
}

void NCon::PrintErrorCount() {
    Print("%d errors\n", errorCount);
    errorCount = 0;
    warningCount = 0;
}

void NCon::ResetErrorCount() {
    errorCount = 0;
    warningCount = 0;
    noticeCount = 0;
}

void NCon::SetPlace(const char* placeFile, int line) {
    if (!placeFile || line < 1) {
        place[0] = '\0';
        return;
    }
    snprintf(place, sizeof place, "%s:%d", placeFile, line);
}

void NCon::Append(int length, bool problem) {
    if (length > scratchCapacity || (folding && FoldRepeat(length, problem))) {
        return;
    }
    if (echo) {
        fwrite(scratch, 1, length, stdout);
        fflush(stdout);
    }
    if (fileAttached && file) {
        fwrite(scratch, 1, length, file);
        fflush(file);
    }
    if (problem && problemStream) {
        fwrite(scratch, 1, length, problemStream);
        fflush(problemStream);
    }
    if (bufferEnabled && buffer) {
        if (bufferLength + 2 * length + 100 >= bufferCapacity) {
            TrimBuffer(length);
        }
        AppendToBuffer(scratch, length);
    }
}

// Keeps the newest third of the old text behind the overflow notice. Should the
// kept text and the message still not fit (possible near the minimum capacity),
// only the notice stays, so the append can never run past the end.
void NCon::TrimBuffer(int incoming) {
    const int noticeLength = static_cast<int>(sizeof(kOverflowNotice)) - 1;
    const int keep = (2 * bufferCapacity) / 3;
    const int oldLength = bufferLength;
    int kept = oldLength > keep ? oldLength - keep : 0;
    if (noticeLength + kept + 2 * incoming + 1 > bufferCapacity) {
        kept = 0;
    }
    memmove(buffer + noticeLength, buffer + oldLength - kept, kept);
    memcpy(buffer, kOverflowNotice, noticeLength);
    bufferLength = noticeLength + kept;
    buffer[bufferLength] = '\0';
}

void NCon::AppendToBuffer(const char* text, int length) {
    for (int i = 0; i < length; ++i) {
        if (text[i] == '\n') {
            buffer[bufferLength++] = '\r';
        }
        buffer[bufferLength++] = text[i];
    }
    buffer[bufferLength] = '\0';
}

void NCon::AttachFile(bool on) {
    if (on) {
        if (fileAttached || file) {
            return;
        }
        file = fileName ? fopen(fileName, "a") : nullptr;
        if (!file) {
            return;
        }
        fileAttached = true;
        Print("%s", kSeparator);
    } else if (fileAttached && file) {
        fclose(file);
        file = nullptr;
        fileAttached = false;
    }
}

void NCon::EnableBuffer(bool on) {
    delete[] buffer;
    buffer = nullptr;
    bufferLength = 0;
    bufferEnabled = on;
    if (on) {
        buffer = new char[bufferCapacity];
        buffer[0] = '\0';
    }
}

void NCon::SetBufferSize(int size) {
    const bool wasEnabled = bufferEnabled;
    EnableBuffer(false);
    bufferCapacity = size > kMinBufferCapacity ? size : kMinBufferCapacity;
    if (wasEnabled) {
        EnableBuffer(true);
    }
}

void NCon::BeginFoldingRepeats() {
    folded.clear();
    folded.reserve(kMaxFoldedMessages);
    foldedText.clear();
    foldedText.reserve(kFoldedTextCapacity);
    folding = true;
}

// A message that finds no room among the remembered ones is simply written.
bool NCon::FoldRepeat(int length, bool problem) {
    const uint64_t hash = HashText(scratch, length);
    for (FoldedMessage& message : folded) {
        if (message.hash == hash && message.length == length &&
            memcmp(foldedText.data() + message.offset, scratch, length) == 0) {
            ++message.repeats;
            return true;
        }
    }
    const int offset = static_cast<int>(foldedText.size());
    if (static_cast<int>(folded.size()) < kMaxFoldedMessages &&
        offset + length <= kFoldedTextCapacity) {
        foldedText.insert(foldedText.end(), scratch, scratch + length);
        folded.push_back({hash, offset, length, 0, problem});
    }
    return false;
}

void NCon::EndFoldingRepeats() {
    if (!folding) {
        return;
    }
    folding = false;
    for (const FoldedMessage& message : folded) {
        if (message.repeats == 0) {
            continue;
        }
        int length = message.length;
        const char* text = foldedText.data() + message.offset;
        while (length > 0 && text[length - 1] == '\n') {
            --length;
        }
        if (length > scratchCapacity - kRepeatNoteRoom) {
            length = scratchCapacity - kRepeatNoteRoom;
        }
        if (message.problem) {
            const int written = snprintf(scratch, scratchCapacity + 1, "%.*s (repeated %d times)\n",
                                         length, text, message.repeats);
            Append(written, true);
        } else {
            PrintLine("%.*s (repeated %d times)", length, text, message.repeats);
        }
    }
    folded.clear();
    foldedText.clear();
}
