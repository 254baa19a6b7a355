#include "io/Text.h"

#include <cstring>

#include "base/Budgets.h"
#include "base/Con.h"
#include "base/OwnedText.h"

namespace {

const char* const kStatusTexts[] = {
    "All OK",
    "Internal error",
    "File I/O error",
    "Syntax error",
    "Too many lines",
    "Too long line",
    "Too long word",
    "Invalid end-of-line code; either 10 or 13 10 is required",
    "Unexpected end of file",
    "Unexpected end of line",
    "End of line expected",
    "Unexpected character",
    "Whitespace in compound token",
    "Whitespace expected",
    "Unknown class",
    "Critical internal error!",
};

// Set by the first report of the process, for every reader.
bool errorReported = false;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsIdentifierCharacter(char c) {
    return IsLetter(c) || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

const char* TextStatusText(int code) {
    return kStatusTexts[code < 0 || code > kTextUnknownClass ? kTextCriticalError : code];
}

NText::NText(int direction) : NData(direction) {}

NText::~NText() {
    FreeText(attributeName);
    FreeText(attributeValue);
}

// [SECTION] Opening and closing

int NText::OpenRead(const char* name) {
    if (buffer.text) {
        Con.Warning("NText::OpenRead: Filename already exists: a file is open");
        CloseFile();
    }
    ReplaceText(buffer.text, name);
    buffer.Release();
    position = 0;
    line = 1;
    column = 1;
    compound = false;
    current = 0;
    lookahead = 0;

    unsigned char* data = nullptr;
    const int count = LoadWithin(name, &data, kMaxDocumentBytes, "document", "NText");
    if (count <= 0) {
        delete[] data;  // an empty file still comes as a valid block
        return kTextFileError;
    }
    buffer.data = data;
    buffer.size = count;
    if (count == 1) {
        // A load result of 1 also stands for a busy stream or a failed start.
        return kTextUnexpectedEnd;
    }
    // Filling the window counts two columns on the first line. The statuses of
    // these two steps are not returned: what they leave in the window fails the
    // first real read, which then has a position to report.
    Advance();
    Advance();
    return SkipWhitespace();
}

int NText::OpenWrite(const char* name) {
    if (buffer.text) {
        Con.Warning("NText::OpenWrite: Filename already exists: a file is open");
        CloseFile();
    }
    // The window stays empty while writing, so SetCompound never skips anything.
    buffer.Release();
    position = 0;
    current = 0;
    lookahead = 0;
    ReplaceText(buffer.text, name);
    if (const int result = NData::OpenWrite(name)) {
        return result;
    }
    if (buffer.Allocate(kOutputStep) != 0) {
        return 1;
    }
    line = 1;
    column = 1;
    compound = false;
    return 0;
}

// Only a stream opened for writing has output to write; a reader only forgets
// its file name (the loaded text stays until the next open).
int NText::CloseFile() {
    if (Writing()) {
        if (const int result = Write(buffer.data, position)) {
            return result;
        }
        if (const int result = NData::CloseFile()) {
            return result;
        }
    }
    FreeText(buffer.text);
    return 0;
}

// [SECTION] Reading

int NText::Fetch() {
    if (position > buffer.size + 1) {
        return kTextUnexpectedEnd;
    }
    fetched = position < buffer.size ? static_cast<char>(buffer.data[position]) : '\0';
    ++position;
    return kTextOk;
}

// Columns count the character left behind, so the column reported is that of
// `current`. A CR LF pair enters the window as one line feed.
int NText::Advance() {
    if (compound && IsBlank(current)) {
        return kTextWhitespaceInCompound;
    }
    column += current == '\t' ? 4 : 1;
    if (column > kMaxColumn) {
        return kTextTooLongLine;
    }
    if (current == '\n') {
        if (++line > kMaxLines) {
            return kTextTooManyLines;
        }
        column = 1;
    }
    if (const int status = Fetch()) {
        return status;
    }
    if (fetched == '\r') {
        if (const int status = Fetch()) {
            return status;
        }
        if (fetched != '\n') {
            return kTextInvalidLineEnd;
        }
    }
    current = lookahead;
    lookahead = fetched;
    return kTextOk;
}

// One comment, blank or line end; `skipped` tells whether anything went.
int NText::SkipOnce(bool* skipped) {
    *skipped = true;
    if (current == '/' && lookahead == '/') {
        while (current != '\n') {
            if (const int status = Advance()) {
                return status;
            }
        }
        return kTextOk;
    }
    if (current == '/' && lookahead == '*') {
        // Tested after each step, so "/*/" is already a whole comment.
        do {
            if (const int status = Advance()) {
                return status;
            }
        } while (current != '*' || lookahead != '/');
        if (const int status = Advance()) {
            return status;
        }
        return Advance();
    }
    if (current == ' ' || current == '\t' || current == '\n') {
        return Advance();
    }
    *skipped = false;
    return kTextOk;
}

int NText::SkipWhitespace() {
    if (compound) {
        return kTextOk;
    }
    bool skipped = true;
    while (skipped) {
        if (const int status = SkipOnce(&skipped)) {
            return status;
        }
    }
    return kTextOk;
}

void NText::SetCompound(bool on) {
    compound = on;
    if (!on) {
        SkipWhitespace();
    }
}

int NText::ExpectChar(char c) {
    if (current != c) {
        return kTextSyntaxError;
    }
    if (const int status = Advance()) {
        return status;
    }
    return SkipWhitespace();
}

int NText::ExpectString(const char* s) {
    for (; *s; ++s) {
        if (current != *s) {
            return kTextSyntaxError;
        }
        if (const int status = Advance()) {
            return status;
        }
    }
    return SkipWhitespace();
}

int NText::AppendToWord(char c) {
    if (wordLength >= kMaxWordLength) {
        return kTextTooLongWord;
    }
    word[wordLength++] = c;
    word[wordLength] = '\0';
    return kTextOk;
}

int NText::ReadIdentifier() {
    wordLength = 0;
    word[0] = '\0';
    if (!IsLetter(current) && current != '_') {
        return kTextUnexpectedCharacter;
    }
    while (IsIdentifierCharacter(current)) {
        if (const int status = AppendToWord(current)) {
            return status;
        }
        if (const int status = Advance()) {
            return status;
        }
    }
    return SkipWhitespace();
}

int NText::ReadText() {
    wordLength = 0;
    word[0] = '\0';
    if (current == '<') {
        return kTextUnexpectedCharacter;
    }
    bool blankPending = false;
    while (current != '<') {
        if (IsBlank(current)) {
            blankPending = true;
        } else {
            if (blankPending) {
                if (const int status = AppendToWord(' ')) {
                    return status;
                }
                blankPending = false;
            }
            if (const int status = AppendToWord(current)) {
                return status;
            }
        }
        if (const int status = Advance()) {
            return status;
        }
    }
    return wordLength == 0 ? kTextUnexpectedCharacter : kTextOk;
}

// After a double quote whitespace and comments are skipped, so leading blanks of
// such a value are dropped; a single-quoted value keeps them.
int NText::ReadQuoted() {
    wordLength = 0;
    word[0] = '\0';
    const char quote = current == '\'' ? '\'' : '"';
    if (const int status = quote == '\'' ? Advance() : ExpectChar('"')) {
        return status;
    }
    while (current != quote) {
        if (current == '\n') {
            return kTextUnexpectedEndOfLine;
        }
        if (const int status = AppendToWord(current)) {
            return status;
        }
        if (const int status = Advance()) {
            return status;
        }
    }
    if (const int status = Advance()) {
        return status;
    }
    return SkipWhitespace();
}

int NText::ReadAttribute() {
    FreeText(attributeName);
    FreeText(attributeValue);
    compound = false;
    if (const int status = SkipWhitespace()) {
        return status;
    }
    if (const int status = ReadIdentifier()) {
        return status;
    }
    attributeName = CopyText(word);
    if (!attributeName) {
        return kTextInternalError;
    }
    if (const int status = ExpectChar('=')) {
        return status;
    }
    if (const int status = ReadQuoted()) {
        return status;
    }
    attributeValue = CopyText(word);
    if (!attributeValue) {
        return kTextInternalError;
    }
    return SkipWhitespace();
}

void NText::ForgetReportedError() {
    errorReported = false;
}

void NText::ReportError(int code) {
    if (errorReported) {
        return;
    }
    errorReported = true;
    const int shown = code < 0 || code > kTextUnknownClass ? kTextCriticalError : code;
    Con.Error("NText: %s (line %d, column %d): E%04d - %s", Printable(buffer.text), line, column,
              shown, TextStatusText(shown));
}

// [SECTION] Writing

int NText::PutByte(unsigned char byte) {
    if (!Writing()) {
        return 1;
    }
    if (position >= buffer.size && buffer.Insert(buffer.size, kOutputStep, nullptr) != 0) {
        return 1;
    }
    buffer.data[position++] = byte;
    return 0;
}

int NText::PutSeparator() {
    if (compound || position == 0) {
        return 0;
    }
    const unsigned char last = buffer.data[position - 1];
    if (last == '\t' || last == '\n' || last == ' ') {
        return 0;
    }
    return PutByte(' ');
}

int NText::WriteChar(char c) {
    if (!Writing() || PutSeparator() != 0) {
        return 1;
    }
    return PutByte(static_cast<unsigned char>(c));
}

int NText::WriteWord(const char* text) {
    if (!text || !Writing() || PutSeparator() != 0) {
        return 1;
    }
    for (; *text; ++text) {
        if (PutByte(static_cast<unsigned char>(*text)) != 0) {
            return 1;
        }
    }
    return 0;
}

int NText::NewLine(int depth) {
    if (position == 0) {
        return 0;
    }
    if (PutByte('\r') != 0 || PutByte('\n') != 0) {
        return 1;
    }
    if (depth < 0) {
        return 1;
    }
    for (int i = 0; i < depth; ++i) {
        if (PutByte('\t') != 0) {
            return 1;
        }
    }
    return 0;
}

int NText::WriteAttribute(const char* name, const char* value) {
    if (!name || !value || !Writing() || PutSeparator() != 0) {
        return 1;
    }
    // A value read from single quotes may hold a double quote; it goes back into
    // single quotes so that the written text reads back the same.
    const char quote = strchr(value, '"') ? '\'' : '"';
    const bool wasCompound = compound;
    compound = true;
    const bool failed = WriteWord(name) != 0 || WriteChar('=') != 0 || WriteChar(quote) != 0 ||
                        WriteWord(value) != 0 || WriteChar(quote) != 0;
    compound = wasCompound;
    return failed ? 1 : 0;
}
