// The positioned text reader and writer under the document file. Reading loads a
// whole file and scans it through a two-character window (current, lookahead)
// while counting lines and columns; every reading operation answers with one of
// the numbered status codes below. Writing gathers the text in memory and writes
// it out in one piece when the file is closed.
#pragma once

#include "base/ByteBuffer.h"
#include "io/Data.h"

// Reading status codes; ReportError prints them as "E%04d" with their texts.
enum TextStatus {
    kTextOk = 0,
    kTextInternalError = 1,
    kTextFileError = 2,
    kTextSyntaxError = 3,
    kTextTooManyLines = 4,
    kTextTooLongLine = 5,
    kTextTooLongWord = 6,
    kTextInvalidLineEnd = 7,
    kTextUnexpectedEnd = 8,
    kTextUnexpectedEndOfLine = 9,
    kTextEndOfLineExpected = 10,
    kTextUnexpectedCharacter = 11,
    kTextWhitespaceInCompound = 12,
    kTextWhitespaceExpected = 13,
    kTextUnknownClass = 14,
    kTextCriticalError = 15,
};

// The text of a status code; any code outside 0..14 gives the text of code 15.
const char* TextStatusText(int code);

class NText : public NData {
  public:
    static constexpr int kMaxLines = 20000;
    static constexpr int kMaxColumn = 256;
    static constexpr int kMaxWordLength = 2045;
    static constexpr int kWordArea = 2048;
    static constexpr int kOutputStep = 65536;

    // Direction 0 shares the default input back-end, any other the default output one.
    explicit NText(int direction);
    ~NText() override;

    // Loads the whole file and moves the cursor to its first significant character.
    int OpenRead(const char* name) override;
    // Opens the file for writing and prepares an empty output buffer; 0 on success.
    int OpenWrite(const char* name) override;
    // Writes the gathered output (after OpenWrite) and forgets the file name.
    int CloseFile() override;

    // Reading; each returns a TextStatus and leaves the cursor where it stopped.
    int Advance();
    // Skips blanks, line ends and comments, unless compound mode is on.
    int SkipWhitespace();
    // Compound mode forbids blanks between characters; switching it off skips
    // whitespace, whose status is dropped.
    void SetCompound(bool on);
    int ExpectChar(char c);
    int ExpectString(const char* s);
    // A letter or '_', then letters, digits and '_', into Word().
    int ReadIdentifier();
    // Character data up to the next '<', runs of blanks folded to one space.
    int ReadText();
    // A value in double or single quotes into Word(); no escapes, no line end inside.
    int ReadQuoted();
    // name = "value" into AttributeName() and AttributeValue().
    int ReadAttribute();
    // Logs the code with the file name and the cursor position. Only the first
    // report of the whole process is logged: later failures are consequences.
    void ReportError(int code);
    // Lets the next report be logged again. Only tests call it, so that each starts
    // as a fresh process would.
    static void ForgetReportedError();

    // Writing; each returns 0, or 1 when memory is exhausted, an argument is null or
    // the file is not open for writing. A word or character is preceded by one
    // space unless compound mode is on, nothing was written yet or the last byte
    // is a blank.
    int PutByte(unsigned char byte);
    int WriteChar(char c) override;
    int WriteWord(const char* text);
    // CR LF and `depth` tabs; nothing before the first byte. A negative depth
    // writes the line end only and gives 1.
    int NewLine(int depth);
    // name="value", with nothing between the pieces; a value holding a double
    // quote is put in single quotes.
    int WriteAttribute(const char* name, const char* value);

    const char* FileName() const { return buffer.text; }
    const char* Word() const { return word; }
    int WordLength() const { return wordLength; }
    int Line() const { return line; }
    int Column() const { return column; }
    char Current() const { return current; }
    char Lookahead() const { return lookahead; }
    bool Compound() const { return compound; }
    const char* AttributeName() const { return attributeName; }
    const char* AttributeValue() const { return attributeValue; }
    // The output gathered so far: Position() bytes from Output().
    const unsigned char* Output() const { return buffer.data; }
    int Position() const { return position; }

  private:
    // Moves the next byte of the text into `fetched`; the end shows as two zero
    // bytes before status 8.
    int Fetch();
    int SkipOnce(bool* skipped);
    int AppendToWord(char c);
    bool Writing() const { return StreamState() == kWriting; }
    int PutSeparator();

    ByteBuffer buffer;
    int position = 0;
    int line = 1;
    int column = 1;
    char current = 0;
    char lookahead = 0;
    int wordLength = 0;
    char* attributeName = nullptr;
    char* attributeValue = nullptr;
    bool compound = false;
    char fetched = 0;
    char word[kWordArea] = {};
};
