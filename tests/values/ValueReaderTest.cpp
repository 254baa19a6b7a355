#include "values/ValueReader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <string>

#include "base/Con.h"
#include "values/ColorValue.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

namespace {

const char kColorError[] =
    "Error: Color Reader: #RRGGBB or #RRGGBBAA hexadecimal form expected\r\n";
const float kChannel = std::bit_cast<float>(uint32_t{0x3B808081});  // nearest to 1/255

}  // namespace

TEST(ValueReader, ColorReadsSixOrEightHexDigitsOfEitherCase) {
    Con.EnableBuffer(true);
    std::unique_ptr<NColorValue> rgb(ReadColorValue("#FF8000"));
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(rgb->r, 1.0f);
    EXPECT_EQ(rgb->g, 128 * kChannel);
    EXPECT_EQ(rgb->b, 0.0f);
    EXPECT_EQ(rgb->a, 1.0f);
    std::unique_ptr<NColorValue> rgba(ReadColorValue("#ff800080"));
    ASSERT_NE(rgba, nullptr);
    EXPECT_EQ(rgba->g, 128 * kChannel);
    EXPECT_EQ(rgba->a, 128 * kChannel);
    EXPECT_EQ(std::unique_ptr<NColorValue>(ReadColorValue("#000100"))->g, kChannel);
    EXPECT_STREQ(Con.BufferText(), "");
}

TEST(ValueReader, MalformedColorIsReportedAndWithoutHashIsRefusedSilently) {
    Con.EnableBuffer(true);
    std::string expected;
    for (const char* text : {"#FF80", "#FF8000A", "#FF800080FF", "#GG0000", "#", "#FF80 0"}) {
        EXPECT_EQ(ReadColorValue(text), nullptr) << text;
        expected += kColorError;
    }
    EXPECT_EQ(ReadColorValue("FF8000"), nullptr);
    EXPECT_EQ(ReadColorValue(""), nullptr);
    EXPECT_EQ(ReadColorValue(nullptr), nullptr);
    EXPECT_EQ(Con.BufferText(), expected);
    EXPECT_EQ(Con.ErrorCount(), 6);
}

TEST(ValueReader, NumbersAreReadFromTheStartAndTextWithoutOneGivesNothing) {
    EXPECT_EQ(std::unique_ptr<NFloatValue>(ReadFloatValue("  2.5xyz"))->f, 2.5f);
    std::unique_ptr<NVectValue> full(ReadVectValue("0 1 0 2"));
    EXPECT_EQ(full->y, 1.0f);
    EXPECT_EQ(full->z, 0.0f);
    std::unique_ptr<NVectValue> partial(ReadVectValue("1.5 -2 x"));
    EXPECT_EQ(partial->x, 1.5f);
    EXPECT_EQ(partial->y, -2.0f);
    EXPECT_EQ(partial->z, 0.0f);  // components the text does not give are 0
    for (const char* text : {"xyz", "", "   "}) {
        EXPECT_EQ(ReadFloatValue(text), nullptr) << text;
        EXPECT_EQ(ReadVectValue(text), nullptr) << text;
    }
    EXPECT_EQ(ReadFloatValue(nullptr), nullptr);
}
