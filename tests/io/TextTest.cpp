#include "io/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "app/Con.h"

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

    int Open(NText& text, const std::string& content) {
        test::WriteFile(dir / "t.txt", content);
        return text.OpenRead("t.txt");
    }

    std::string Log() const { return Con.BufferText(); }

    test::TempDir dir;
    NData store;
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
    NText crlf(NData::kInput);
    NText lf(NData::kInput);
    ASSERT_EQ(Open(crlf, "ab\r\n\tc"), kTextOk);
    int crlfStatus = 0;
    const std::vector<Step> crlfSteps = Walk(crlf, &crlfStatus);
    ASSERT_EQ(Open(lf, "ab\n\tc"), kTextOk);
    int lfStatus = 0;
    EXPECT_EQ(Walk(lf, &lfStatus), crlfSteps);
    EXPECT_EQ(crlfStatus, kTextUnexpectedEnd);
    EXPECT_EQ(lfStatus, kTextUnexpectedEnd);
    // The first line sits two columns to the right; a tab counts four; the end of
    // the text fills the window with two zero characters before status 8.
    const std::vector<Step> expected = {{'a', 1, 3},  {'b', 1, 4}, {'\n', 1, 5},
                                        {'\t', 2, 1}, {'c', 2, 5}, {'\0', 2, 6}};
    EXPECT_EQ(crlfSteps, expected);
    EXPECT_EQ(crlf.Lookahead(), '\0');
}

TEST_F(TextTest, CarriageReturnWithoutLineFeedIsAnInvalidLineEnd) {
    NText text(NData::kInput);
    ASSERT_EQ(Open(text, "ab\rc"), kTextOk);
    EXPECT_EQ(text.Advance(), kTextInvalidLineEnd);
    NText atEnd(NData::kInput);
    ASSERT_EQ(Open(atEnd, "ab\r"), kTextOk);
    EXPECT_EQ(atEnd.Advance(), kTextInvalidLineEnd);
}

TEST_F(TextTest, TheLineAfterLine20000IsRefused) {
    NText fits(NData::kInput);
    EXPECT_EQ(Open(fits, std::string(19999, '\n') + "x"), kTextOk);
    EXPECT_EQ(fits.Line(), 20000);
    EXPECT_EQ(fits.Current(), 'x');
    NText tooMany(NData::kInput);
    EXPECT_EQ(Open(tooMany, std::string(20000, '\n') + "x"), kTextTooManyLines);
}

TEST_F(TextTest, AColumnPast256IsRefusedWithTabsCountingFour) {
    NText fits(NData::kInput);
    EXPECT_EQ(Open(fits, "\n" + std::string(255, ' ') + "x"), kTextOk);
    EXPECT_EQ(fits.Column(), 256);
    NText tooLong(NData::kInput);
    EXPECT_EQ(Open(tooLong, "\n" + std::string(256, ' ') + "x"), kTextTooLongLine);
    NText tabs(NData::kInput);
    EXPECT_EQ(Open(tabs, "\n" + std::string(63, '\t') + "   x"), kTextOk);
    EXPECT_EQ(tabs.Column(), 256);
    NText tooManyTabs(NData::kInput);
    EXPECT_EQ(Open(tooManyTabs, "\n" + std::string(64, '\t') + "x"), kTextTooLongLine);
    // The failure sticks: the reader does not move on behind it.
    EXPECT_EQ(tooManyTabs.Advance(), kTextTooLongLine);
}

TEST_F(TextTest, FilesThatCannotBeLoadedOrHoldOneByteAreRefused) {
    NText missing(NData::kInput);
    EXPECT_EQ(missing.OpenRead("missing.txt"), kTextFileError);
    NText empty(NData::kInput);
    EXPECT_EQ(Open(empty, ""), kTextFileError);
    NText oneByte(NData::kInput);
    EXPECT_EQ(Open(oneByte, "x"), kTextUnexpectedEnd);
    NText twoBytes(NData::kInput);
    EXPECT_EQ(Open(twoBytes, "xy"), kTextOk);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(TextTest, IdentifiersStopAtOtherCharactersAndMustStartWithALetter) {
    NText text(NData::kInput);
    ASSERT_EQ(Open(text, "_Part2 x 9lives"), kTextOk);
    EXPECT_EQ(text.ReadIdentifier(), kTextOk);
    EXPECT_STREQ(text.Word(), "_Part2");
    EXPECT_EQ(text.Current(), 'x');  // whitespace skipped behind it
    EXPECT_EQ(text.ReadIdentifier(), kTextOk);
    EXPECT_EQ(text.ReadIdentifier(), kTextUnexpectedCharacter);
    EXPECT_STREQ(text.Word(), "");
    EXPECT_EQ(text.Current(), '9');
}

TEST_F(TextTest, LongestIdentifierOnALineIsReadWhole) {
    // The column limit comes before the word limit for anything without line ends.
    NText text(NData::kInput);
    const std::string name(252, 'a');
    ASSERT_EQ(Open(text, name + " "), kTextOk);
    EXPECT_EQ(text.ReadIdentifier(), kTextOk);
    EXPECT_EQ(text.Word(), name);
    NText longer(NData::kInput);
    ASSERT_EQ(Open(longer, name + "aaa"), kTextOk);
    EXPECT_EQ(longer.ReadIdentifier(), kTextTooLongLine);
}

TEST_F(TextTest, TextRunsFoldBlanksAndAreCutAt2045Characters) {
    NText text(NData::kInput);
    ASSERT_EQ(Open(text, "a  b\n\tc  <"), kTextOk);
    EXPECT_EQ(text.ReadText(), kTextOk);
    EXPECT_STREQ(text.Word(), "a b c");
    EXPECT_EQ(text.Current(), '<');
    EXPECT_EQ(text.ReadText(), kTextUnexpectedCharacter);

    NText blanks(NData::kInput);
    ASSERT_EQ(Open(blanks, "x \n <"), kTextOk);
    ASSERT_EQ(blanks.Advance(), kTextOk);
    EXPECT_EQ(blanks.ReadText(), kTextUnexpectedCharacter);
    EXPECT_EQ(blanks.WordLength(), 0);

    // A run may span lines, so only the word limit holds it: 2045 characters
    // read whole, one more is refused with the word cut.
    std::string lines;
    for (int i = 0; i < 31; ++i) {
        lines += std::string(65, 'w') + "\n";  // 31 * 66 - 1 = 2045 with the spaces
    }
    NText fits(NData::kInput);
    ASSERT_EQ(Open(fits, lines + "<"), kTextOk);
    EXPECT_EQ(fits.ReadText(), kTextOk);
    EXPECT_EQ(fits.WordLength(), NText::kMaxWordLength);
    NText tooLong(NData::kInput);
    ASSERT_EQ(Open(tooLong, lines + "w<"), kTextOk);
    EXPECT_EQ(tooLong.ReadText(), kTextTooLongWord);
    EXPECT_EQ(tooLong.WordLength(), NText::kMaxWordLength);

    NText unterminated(NData::kInput);
    ASSERT_EQ(Open(unterminated, "abc"), kTextOk);
    EXPECT_EQ(unterminated.ReadText(), kTextUnexpectedEnd);
}

TEST_F(TextTest, DoubleQuotedValuesDropLeadingBlanksSingleQuotedKeepThem) {
    NText text(NData::kInput);
    ASSERT_EQ(Open(text, "\"  a b\" '  c' \"\" x"), kTextOk);
    EXPECT_EQ(text.ReadQuoted(), kTextOk);
    EXPECT_STREQ(text.Word(), "a b");
    EXPECT_EQ(text.ReadQuoted(), kTextOk);
    EXPECT_STREQ(text.Word(), "  c");
    EXPECT_EQ(text.ReadQuoted(), kTextOk);
    EXPECT_STREQ(text.Word(), "");
    EXPECT_EQ(text.Current(), 'x');

    NText doubleBroken(NData::kInput);
    ASSERT_EQ(Open(doubleBroken, "\"a\nb\""), kTextOk);
    EXPECT_EQ(doubleBroken.ReadQuoted(), kTextUnexpectedEndOfLine);
    NText singleBroken(NData::kInput);
    ASSERT_EQ(Open(singleBroken, "'a\nb'"), kTextOk);
    EXPECT_EQ(singleBroken.ReadQuoted(), kTextUnexpectedEndOfLine);
    NText unterminated(NData::kInput);
    ASSERT_EQ(Open(unterminated, "'abc"), kTextOk);
    EXPECT_EQ(unterminated.ReadQuoted(), kTextUnexpectedEnd);
}

TEST_F(TextTest, AttributesAllowBlanksAroundTheEqualsSign) {
    NText text(NData::kInput);
    ASSERT_EQ(Open(text, "Name = 'a b'Role=\"r\">"), kTextOk);
    EXPECT_EQ(text.ReadAttribute(), kTextOk);
    EXPECT_STREQ(text.AttributeName(), "Name");
    EXPECT_STREQ(text.AttributeValue(), "a b");
    EXPECT_EQ(text.ReadAttribute(), kTextOk);
    EXPECT_STREQ(text.AttributeName(), "Role");
    EXPECT_STREQ(text.AttributeValue(), "r");
    EXPECT_EQ(text.ReadAttribute(), kTextUnexpectedCharacter);
    EXPECT_EQ(text.AttributeName(), nullptr);
    NText noEquals(NData::kInput);
    ASSERT_EQ(Open(noEquals, "Name 'a'"), kTextOk);
    EXPECT_EQ(noEquals.ReadAttribute(), kTextSyntaxError);
}

TEST_F(TextTest, CommentsAreSkippedOnlyOutsideCompoundMode) {
    NText text(NData::kInput);
    ASSERT_EQ(Open(text, "a /* x\n */ // y\n\tb/*/c"), kTextOk);
    EXPECT_EQ(text.ReadIdentifier(), kTextOk);
    EXPECT_EQ(text.Current(), 'b');
    EXPECT_EQ(text.Line(), 3);
    EXPECT_EQ(text.ReadIdentifier(), kTextOk);  // "/*/" is a whole comment
    EXPECT_EQ(text.Current(), 'c');

    NText compound(NData::kInput);
    ASSERT_EQ(Open(compound, "a/*x*/b"), kTextOk);
    compound.SetCompound(true);
    EXPECT_EQ(compound.ExpectString("a/*x*/"), kTextOk);
    EXPECT_EQ(compound.Current(), 'b');

    NText unterminated(NData::kInput);
    ASSERT_EQ(Open(unterminated, "a /* never closed"), kTextOk);
    EXPECT_EQ(unterminated.ExpectChar('a'), kTextUnexpectedEnd);
    EXPECT_EQ(Open(unterminated, "// only a comment"), kTextUnexpectedEnd);
}

TEST_F(TextTest, CompoundModeRefusesBlanksAndSwitchingItOffSkipsThem) {
    NText text(NData::kInput);
    ASSERT_EQ(Open(text, "<a b>"), kTextOk);
    text.SetCompound(true);
    EXPECT_EQ(text.ExpectChar('<'), kTextOk);
    EXPECT_EQ(text.ExpectString("ab"), kTextSyntaxError);
    EXPECT_EQ(text.Current(), ' ');
    EXPECT_EQ(text.Advance(), kTextWhitespaceInCompound);
    EXPECT_EQ(text.Current(), ' ');  // nothing moved
    text.SetCompound(false);
    EXPECT_EQ(text.Current(), 'b');
    EXPECT_EQ(text.ExpectString(""), kTextOk);
    EXPECT_EQ(text.ExpectChar('x'), kTextSyntaxError);
}

TEST_F(TextTest, OnlyTheFirstReportOfTheProcessIsLogged) {
    NText first(NData::kInput);
    ASSERT_EQ(Open(first, "<x"), kTextOk);
    first.ReportError(99);
    first.ReportError(kTextSyntaxError);
    NText second(NData::kInput);
    ASSERT_EQ(Open(second, "<y"), kTextOk);
    second.ReportError(kTextSyntaxError);
    EXPECT_EQ(Log(),
              "Error: NText: t.txt (line 1, column 3): E0015 - Critical internal error!\r\n");
    EXPECT_EQ(Con.ErrorCount(), 1);
    EXPECT_STREQ(TextStatusText(kTextInvalidLineEnd),
                 "Invalid end-of-line code; either 10 or 13 10 is required");
    EXPECT_STREQ(TextStatusText(-1), "Critical internal error!");
}

TEST_F(TextTest, OpeningWhileOpenWarnsAndClosesTheFirstFile) {
    test::WriteFile(dir / "b.txt", "bb");
    NText text(NData::kInput);
    ASSERT_EQ(Open(text, "aa"), kTextOk);
    EXPECT_EQ(text.OpenRead("b.txt"), kTextOk);
    EXPECT_STREQ(text.FileName(), "b.txt");
    EXPECT_EQ(text.CloseFile(), 0);
    EXPECT_EQ(text.FileName(), nullptr);
    EXPECT_EQ(Log(), "Warning: NText::OpenRead: Filename already exists: a file is open\r\n");
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
        const char c = static_cast<char>('a' + i % 26);
        ASSERT_EQ(text.PutByte(static_cast<unsigned char>(c)), 0);
        expected += c;
    }
    EXPECT_EQ(text.CloseFile(), 0);
    EXPECT_EQ(test::ReadFile(dir / "big.txt"), expected);
}

TEST_F(TextTest, NothingIsWrittenUnlessOpenedForWriting) {
    NText text(NData::kInput);
    EXPECT_EQ(text.PutByte('a'), 1);
    ASSERT_EQ(Open(text, "abc"), kTextOk);
    EXPECT_EQ(text.WriteWord("x"), 1);
    EXPECT_EQ(text.WriteAttribute("a", "b"), 1);
    NText refused(NData::kInput);
    EXPECT_NE(refused.OpenWrite("no/such/folder/o.txt"), 0);
    EXPECT_EQ(refused.WriteChar('x'), 1);
}

TEST_F(TextTest, ReopeningForWritingWritesOutTheFirstFile) {
    NText text(NData::kInput);
    ASSERT_EQ(text.OpenWrite("one.txt"), 0);
    text.WriteWord("first");
    ASSERT_EQ(text.OpenWrite("two.txt"), 0);
    text.WriteWord("second");
    EXPECT_EQ(text.CloseFile(), 0);
    EXPECT_EQ(test::ReadFile(dir / "one.txt"), "first");
    EXPECT_EQ(test::ReadFile(dir / "two.txt"), "second");
    EXPECT_EQ(Log(), "Warning: NText::OpenWrite: Filename already exists: a file is open\r\n");
}
