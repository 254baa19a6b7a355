#include "values/ValueReader.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <string>

#include "app/Con.h"
#include "image/Bitmap.h"
#include "render/Texture.h"
#include "values/ColorValue.h"
#include "values/FloatValue.h"
#include "values/VectValue.h"

namespace {

const char kColorError[] =
    "Error: Color Reader: #RRGGBB or #RRGGBBAA hexadecimal form expected\r\n";
// The float nearest to 1/255.
const float kChannel = std::bit_cast<float>(uint32_t{0x3B808081});

class ValueReaderTest : public ::testing::Test {
  protected:
    void SetUp() override { Con.EnableBuffer(true); }
    static std::string Log() { return Con.BufferText(); }
};

}  // namespace

TEST_F(ValueReaderTest, ColorReadsSixOrEightHexDigitsOfEitherCase) {
    std::unique_ptr<NColorValue> rgb(ReadColorValue("#FF8000"));
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(rgb->r, 1.0f);
    EXPECT_EQ(rgb->g, 128 * kChannel);
    EXPECT_EQ(rgb->b, 0.0f);
    EXPECT_EQ(rgb->a, 1.0f);

    std::unique_ptr<NColorValue> rgba(ReadColorValue("#ff800080"));
    ASSERT_NE(rgba, nullptr);
    EXPECT_EQ(rgba->r, 1.0f);
    EXPECT_EQ(rgba->g, 128 * kChannel);
    EXPECT_EQ(rgba->a, 128 * kChannel);

    std::unique_ptr<NColorValue> step(ReadColorValue("#000100"));
    EXPECT_EQ(std::bit_cast<uint32_t>(step->g), 0x3B808081u);
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(ValueReaderTest, MalformedColorIsReportedAndMakesNothing) {
    const char* texts[] = {"#FF80", "#FF8000A", "#FF800080FF", "#GG0000",
                           "#",     "#FF80G0",  "#FF80 0"};
    std::string expected;
    for (const char* text : texts) {
        EXPECT_EQ(ReadColorValue(text), nullptr) << text;
        expected += kColorError;
    }
    EXPECT_EQ(Log(), expected);
    EXPECT_EQ(Con.ErrorCount(), 7);
}

TEST_F(ValueReaderTest, ColorWithoutHashIsRefusedSilently) {
    EXPECT_EQ(ReadColorValue("FF8000"), nullptr);
    EXPECT_EQ(ReadColorValue(""), nullptr);
    EXPECT_EQ(ReadColorValue(nullptr), nullptr);
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(ValueReaderTest, FloatTakesTheLeadingNumberAndRefusesTextWithoutOne) {
    std::unique_ptr<NFloatValue> value(ReadFloatValue("  2.5xyz"));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->f, 2.5f);
    EXPECT_EQ(ReadFloatValue("xyz"), nullptr);
    EXPECT_EQ(ReadFloatValue(""), nullptr);
    EXPECT_EQ(ReadFloatValue("   "), nullptr);
    EXPECT_EQ(ReadFloatValue(nullptr), nullptr);
    EXPECT_EQ(Log(), "");
}

TEST_F(ValueReaderTest, VectorTakesThreeNumbersAndZeroesWhatIsMissing) {
    std::unique_ptr<NVectValue> full(ReadVectValue("0 1 0 2"));
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->x, 0.0f);
    EXPECT_EQ(full->y, 1.0f);
    EXPECT_EQ(full->z, 0.0f);

    std::unique_ptr<NVectValue> partial(ReadVectValue("1.5 -2 x"));
    ASSERT_NE(partial, nullptr);
    EXPECT_EQ(partial->x, 1.5f);
    EXPECT_EQ(partial->y, -2.0f);
    EXPECT_EQ(partial->z, 0.0f);

    EXPECT_EQ(ReadVectValue("abc"), nullptr);
    EXPECT_EQ(ReadVectValue(""), nullptr);
    EXPECT_EQ(Log(), "");
}

TEST_F(ValueReaderTest, TextureGetsABitmapHoldingItsOwnCopyOfTheName) {
    std::string name = "images/sky.jpg";
    std::unique_ptr<NTexture> texture(ReadTextureValue(name.c_str()));
    ASSERT_NE(texture, nullptr);
    std::unique_ptr<NBitmap> bitmap(texture->Bitmap);
    ASSERT_NE(bitmap, nullptr);
    name[0] = 'X';
    EXPECT_STREQ(bitmap->Filename, "images/sky.jpg");
    EXPECT_EQ(ReadTextureValue(""), nullptr);
    EXPECT_EQ(ReadTextureValue(nullptr), nullptr);
}

TEST_F(ValueReaderTest, BasicValueDispatchesOnTheWholeClassName) {
    std::unique_ptr<NClass> value(ReadBasicValue("Float", "3"));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(typeid(*value), typeid(NFloatValue));
    std::unique_ptr<NClass> vector(ReadBasicValue("Vector", "1 2 3"));
    EXPECT_EQ(typeid(*vector), typeid(NVectValue));
    std::unique_ptr<NClass> color(ReadBasicValue("Color", "#102030"));
    EXPECT_EQ(typeid(*color), typeid(NColorValue));
    std::unique_ptr<NClass> texture(ReadBasicValue("Texture", "a.tga"));
    ASSERT_EQ(typeid(*texture), typeid(NTexture));
    delete static_cast<NTexture*>(texture.get())->Bitmap;

    EXPECT_EQ(ReadBasicValue("float", "3"), nullptr);
    EXPECT_EQ(ReadBasicValue("DeltaFloat", "3"), nullptr);
    EXPECT_EQ(ReadBasicValue("String", "text"), nullptr);
    EXPECT_EQ(ReadBasicValue("Floats", "3"), nullptr);
    EXPECT_EQ(ReadBasicValue(nullptr, "3"), nullptr);
    EXPECT_EQ(ReadBasicValue("Color", "#12"), nullptr);
    EXPECT_EQ(Log(), kColorError);
}
