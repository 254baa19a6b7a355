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
void NCon::Compose(const char* prefix, const char* source, const char* format, va_list args,
                   bool newline) {
    const int room = scratchCapacity + 1;
    int length =
        snprintf(scratch, room, "%s%s%s", prefix, source ? source : "", source ? ": " : "");
    int offset = length < room ? length : room - 1;
    length += vsnprintf(scratch + offset, room - offset, format, args);
    if (newline) {
        if (length < room - 1) {
            scratch[length] = '\n';
            scratch[length + 1] = '\0';
        }
        ++length;
    }
    Append(length);
}

void NCon::Print(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Compose("", nullptr, format, args, false);
    va_end(args);
}

void NCon::PrintLine(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Compose("", nullptr, format, args, true);
    va_end(args);
}

void NCon::Warning(const char* format, ...) {
    ++errorCount;
    va_list args;
    va_start(args, format);
    Compose(kWarningPrefix, nullptr, format, args, true);
    va_end(args);
}

void NCon::Error(const char* format, ...) {
    ++errorCount;
    va_list args;
    va_start(args, format);
    Compose(kErrorPrefix, nullptr, format, args, true);
    va_end(args);
}

void NCon::ErrorFrom(const char* source, const char* format, ...) {
    ++errorCount;
    va_list args;
    va_start(args, format);
    Compose(kErrorPrefix, source, format, args, true);
    va_end(args);
}

void NCon::Report(int kind, int /*sourceId*/, const char* source, int /*code*/, const char* format,
                  ...) {
    ++errorCount;
    const char* prefix = kind == 1 ? kWarningPrefix : kind == 2 ? kErrorPrefix : "";
    va_list args;
    va_start(args, format);
    Compose(prefix, source, format, args, true);
    va_end(args);
}

void NCon::ReportCode(int code, const char* source) {
    ++errorCount;
    Print("[%d][%s]: %s\n", code, source ? source : "", "unspecified error");
}

void NCon::PrintErrorCount() {
    Print("%d errors\n", errorCount);
    errorCount = 0;
}

void NCon::Append(int length) {
    if (length > scratchCapacity) {
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
