#include "io/Text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/Con.h"

namespace {

// Publishes a temporary folder as the default input back-end; readers are made
// afterwards, since they take the back-end published at their construction.
class TextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        store.Mount(kDirectoryMode, dir.Path().c_str());
        store.SetAsDefault(false);
    }

    // A new reader opened on `content`; the open's status goes to `status`.
    NText& Reader(const std::string& content, int* status = nullptr) {
        test::WriteFile(dir / "t.txt", content);
        readers.push_back(std::make_unique<NText>(NData::kInput));
        const int result = readers.back()->OpenRead("t.txt");
        if (status) {
            *status = result;
        } else {
            EXPECT_EQ(result, kTextOk) << content;
        }
        return *readers.back();
    }

    int OpenStatus(const std::string& content) {
        int status = 0;
        Reader(content, &status);
        return status;
    }

    test::TempDir dir;
    NData store;
    std::vector<std::unique_ptr<NText>> readers;
};

struct Step {
    char current;
    int line;
    int column;
    bool operator==(const Step&) const = default;
};

// The window positions from the cursor to the end, and the status that ended them.
std::vector<Step> Walk(NText& text, int* status) {
    std::vector<Step> steps;
    do {
        steps.push_back({text.Current(), text.Line(), text.Column()});
    } while ((*status = text.Advance()) == kTextOk);
    return steps;
}

}  // namespace

TEST_F(TextTest, ReadsCrLfAndLfAlikeAndCountsLinesAndColumns) {
    int crlfStatus = 0;
    NText& crlf = Reader("ab\r\n\tc");
    const std::vector<Step> crlfSteps = Walk(crlf, &crlfStatus);
    int lfStatus = 0;
    EXPECT_EQ(Walk(Reader("ab\n\tc"), &lfStatus), crlfSteps);
    EXPECT_EQ(crlfStatus, kTextUnexpectedEnd);
    EXPECT_EQ(lfStatus, kTextUnexpectedEnd);
    // The first line sits two columns to the right; a tab counts four; the end of
    // the text fills the window with two zero characters before status 8.
    const std::vector<Step> expected = {{'a', 1, 3},  {'b', 1, 4}, {'\n', 1, 5},
                                        {'\t', 2, 1}, {'c', 2, 5}, {'\0', 2, 6}};
    EXPECT_EQ(crlfSteps, expected);
    EXPECT_EQ(crlf.Lookahead(), '\0');
    EXPECT_EQ(Reader("ab\rc").Advance(), kTextInvalidLineEnd);
    EXPECT_EQ(Reader("ab\r").Advance(), kTextInvalidLineEnd);
}

TEST_F(TextTest, LinesAndColumnsHaveLimits) {
    NText& lastLine = Reader(std::string(19999, '\n') + "x");
    EXPECT_EQ(lastLine.Line(), 20000);
    EXPECT_EQ(OpenStatus(std::string(20000, '\n') + "x"), kTextTooManyLines);
    EXPECT_EQ(Reader("\n" + std::string(255, ' ') + "x").Column(), 256);
    EXPECT_EQ(OpenStatus("\n" + std::string(256, ' ') + "x"), kTextTooLongLine);
    EXPECT_EQ(Reader("\n" + std::string(63, '\t') + "   x").Column(), 256);
    int status = 0;
    NText& tabs = Reader("\n" + std::string(64, '\t') + "x", &status);
    EXPECT_EQ(status, kTextTooLongLine);
    EXPECT_EQ(tabs.Advance(), kTextTooLongLine);  // the failure sticks
}

TEST_F(TextTest, FilesThatCannotBeLoadedOrHoldOneByteAreRefused) {
    NText missing(NData::kInput);
    EXPECT_EQ(missing.OpenRead("missing.txt"), kTextFileError);
    EXPECT_EQ(OpenStatus(""), kTextFileError);
    EXPECT_EQ(OpenStatus("x"), kTextUnexpectedEnd);
    EXPECT_EQ(OpenStatus("xy"), kTextOk);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(TextTest, IdentifiersStartWithALetterAndStopAtOtherCharacters) {
    NText& text = Reader("_Part2 x 9lives");
    EXPECT_EQ(text.ReadIdentifier(), kTextOk);
    EXPECT_STREQ(text.Word(), "_Part2");
    EXPECT_EQ(text.Current(), 'x');  // whitespace skipped behind it
    EXPECT_EQ(text.ReadIdentifier(), kTextOk);
    EXPECT_EQ(text.ReadIdentifier(), kTextUnexpectedCharacter);
    EXPECT_STREQ(text.Word(), "");
    EXPECT_EQ(text.Current(), '9');
    // The column limit comes before the word limit for anything without line ends.
    const std::string name(252, 'a');
    NText& longest = Reader(name + " ");
    EXPECT_EQ(longest.ReadIdentifier(), kTextOk);
    EXPECT_EQ(longest.Word(), name);
    EXPECT_EQ(Reader(name + "aaa").ReadIdentifier(), kTextTooLongLine);
}

TEST_F(TextTest, TextRunsFoldBlanksAndAreCutAt2045Characters) {
    NText& text = Reader("a  b\n\tc  <");
    EXPECT_EQ(text.ReadText(), kTextOk);
    EXPECT_STREQ(text.Word(), "a b c");
    EXPECT_EQ(text.Current(), '<');
    EXPECT_EQ(text.ReadText(), kTextUnexpectedCharacter);
    NText& blanks = Reader("x \n <");
    ASSERT_EQ(blanks.Advance(), kTextOk);
    EXPECT_EQ(blanks.ReadText(), kTextUnexpectedCharacter);
    EXPECT_EQ(blanks.WordLength(), 0);
    // A run may span lines, so only the word limit holds it.
    std::string lines;
    for (int i = 0; i < 31; ++i) {
        lines += std::string(65, 'w') + "\n";  // 31 * 66 - 1 = 2045 with the spaces
    }
    NText& fits = Reader(lines + "<");
    EXPECT_EQ(fits.ReadText(), kTextOk);
    EXPECT_EQ(fits.WordLength(), NText::kMaxWordLength);
    NText& tooLong = Reader(lines + "w<");
    EXPECT_EQ(tooLong.ReadText(), kTextTooLongWord);
    EXPECT_EQ(tooLong.WordLength(), NText::kMaxWordLength);
    EXPECT_EQ(Reader("abc").ReadText(), kTextUnexpectedEnd);
}

TEST_F(TextTest, DoubleQuotedValuesDropLeadingBlanksSingleQuotedKeepThem) {
    NText& text = Reader("\"  a b\" '  c' \"\" x");
    EXPECT_EQ(text.ReadQuoted(), kTextOk);
    EXPECT_STREQ(text.Word(), "a b");
    EXPECT_EQ(text.ReadQuoted(), kTextOk);
    EXPECT_STREQ(text.Word(), "  c");
    EXPECT_EQ(text.ReadQuoted(), kTextOk);
    EXPECT_STREQ(text.Word(), "");
    EXPECT_EQ(text.Current(), 'x');
    EXPECT_EQ(Reader("\"a\nb\"").ReadQuoted(), kTextUnexpectedEndOfLine);
    EXPECT_EQ(Reader("'a\nb'").ReadQuoted(), kTextUnexpectedEndOfLine);
    EXPECT_EQ(Reader("'abc").ReadQuoted(), kTextUnexpectedEnd);
}

TEST_F(TextTest, AttributesAllowBlanksAroundTheEqualsSign) {
    NText& text = Reader("Name = 'a b'Role=\"r\">");
    EXPECT_EQ(text.ReadAttribute(), kTextOk);
    EXPECT_STREQ(text.AttributeName(), "Name");
    EXPECT_STREQ(text.AttributeValue(), "a b");
    EXPECT_EQ(text.ReadAttribute(), kTextOk);
    EXPECT_STREQ(text.AttributeValue(), "r");
    EXPECT_EQ(text.ReadAttribute(), kTextUnexpectedCharacter);
    EXPECT_EQ(text.AttributeName(), nullptr);
    EXPECT_EQ(Reader("Name 'a'").ReadAttribute(), kTextSyntaxError);
}

TEST_F(TextTest, CommentsAreSkippedOnlyOutsideCompoundMode) {
    NText& text = Reader("a /* x\n */ // y\n\tb/*/c");
    EXPECT_EQ(text.ReadIdentifier(), kTextOk);
    EXPECT_EQ(text.Current(), 'b');
    EXPECT_EQ(text.Line(), 3);
    EXPECT_EQ(text.ReadIdentifier(), kTextOk);  // "/*/" is a whole comment
    EXPECT_EQ(text.Current(), 'c');
    NText& compound = Reader("a/*x*/b");
    compound.SetCompound(true);
    EXPECT_EQ(compound.ExpectString("a/*x*/"), kTextOk);
    EXPECT_EQ(compound.Current(), 'b');
    EXPECT_EQ(Reader("a /* never closed").ExpectChar('a'), kTextUnexpectedEnd);
    EXPECT_EQ(OpenStatus("// only a comment"), kTextUnexpectedEnd);
}

TEST_F(TextTest, CompoundModeRefusesBlanksAndSwitchingItOffSkipsThem) {
    NText& text = Reader("<a b>");
    text.SetCompound(true);
    EXPECT_EQ(text.ExpectChar('<'), kTextOk);
    EXPECT_EQ(text.ExpectString("ab"), kTextSyntaxError);
    EXPECT_EQ(text.Advance(), kTextWhitespaceInCompound);
    EXPECT_EQ(text.Current(), ' ');  // nothing moved
    text.SetCompound(false);
    EXPECT_EQ(text.Current(), 'b');
    EXPECT_EQ(text.ExpectString(""), kTextOk);
    EXPECT_EQ(text.ExpectChar('x'), kTextSyntaxError);
}

TEST_F(TextTest, OnlyTheFirstReportOfTheProcessIsLogged) {
    NText& first = Reader("<x");
    first.ReportError(99);
    first.ReportError(kTextSyntaxError);
    Reader("<y").ReportError(kTextSyntaxError);
    EXPECT_EQ(test::LogText(),
              "Error: NText: t.txt (line 1, column 3): E0015 - Critical internal error!\r\n");
    EXPECT_EQ(Con.ErrorCount(), 1);
    EXPECT_STREQ(TextStatusText(kTextInvalidLineEnd),
                 "Invalid end-of-line code; either 10 or 13 10 is required");
}

// [SECTION] Writing

TEST_F(TextTest, WriterSeparatesWordsWithOneSpaceExceptInCompoundMode) {
    NText text(NData::kInput);
    ASSERT_EQ(text.OpenWrite("o.txt"), 0);
    EXPECT_EQ(text.NewLine(2), 0);  // nothing before the first byte
    EXPECT_EQ(text.Position(), 0);
    text.SetCompound(true);
    EXPECT_EQ(text.WriteChar('<'), 0);
    EXPECT_EQ(text.WriteWord("Demo"), 0);
    text.SetCompound(false);
    EXPECT_EQ(text.WriteAttribute("Name", "d"), 0);
    EXPECT_EQ(text.WriteAttribute("Role", "say \"hi\""), 0);
    EXPECT_FALSE(text.Compound());
    EXPECT_EQ(text.WriteChar('>'), 0);
    EXPECT_EQ(text.NewLine(2), 0);
    EXPECT_EQ(text.WriteWord("x"), 0);  // no space after a tab
    EXPECT_EQ(text.NewLine(-1), 1);
    EXPECT_EQ(text.WriteWord(nullptr), 1);
    EXPECT_EQ(text.WriteAttribute("Name", nullptr), 1);
    EXPECT_EQ(text.CloseFile(), 0);
    EXPECT_EQ(test::ReadFile(dir / "o.txt"), "<Demo Name=\"d\" Role='say \"hi\"' >\r\n\t\tx\r\n");
}

TEST_F(TextTest, OutputGrowsPastTheFirstBlockAndIsWrittenWhole) {
    NText text(NData::kInput);
    ASSERT_EQ(text.OpenWrite("big.txt"), 0);
    std::string expected;
    for (int i = 0; i < NText::kOutputStep + 10; ++i) {
        expected += static_cast<char>('a' + i % 26);
        ASSERT_EQ(text.PutByte(static_cast<unsigned char>(expected.back())), 0);
    }
    EXPECT_EQ(text.CloseFile(), 0);
    EXPECT_EQ(test::ReadFile(dir / "big.txt"), expected);
}

TEST_F(TextTest, NothingIsWrittenUnlessOpenedForWriting) {
    NText idle(NData::kInput);
    EXPECT_EQ(idle.PutByte('a'), 1);
    EXPECT_EQ(Reader("abc").WriteWord("x"), 1);
    NText refused(NData::kInput);
    EXPECT_NE(refused.OpenWrite("no/such/folder/o.txt"), 0);
    EXPECT_EQ(refused.WriteChar('x'), 1);
}

TEST_F(TextTest, OpeningWhileOpenWarnsAndClosesTheFirstFile) {
    NText text(NData::kInput);
    ASSERT_EQ(text.OpenWrite("one.txt"), 0);
    text.WriteWord("first");
    ASSERT_EQ(text.OpenWrite("two.txt"), 0);
    text.WriteWord("second");
    test::WriteFile(dir / "t.txt", "ab");
    EXPECT_EQ(text.OpenRead("t.txt"), kTextOk);
    EXPECT_EQ(text.CloseFile(), 0);
    EXPECT_EQ(text.FileName(), nullptr);
    EXPECT_EQ(test::ReadFile(dir / "one.txt"), "first");
    EXPECT_EQ(test::ReadFile(dir / "two.txt"), "second");
    EXPECT_EQ(test::LogText(),
              "Warning: NText::OpenWrite: Filename already exists: a file is open\r\n"
              "Warning: NText::OpenRead: Filename already exists: a file is open\r\n");
}
