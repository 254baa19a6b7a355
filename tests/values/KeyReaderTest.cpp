#include "values/KeyReader.h"

#include <gtest/gtest.h>

#include <string>

#include "app/Con.h"
#include "app/FrameTime.h"
#include "values/BSFloatValue.h"
#include "values/BSVectValue.h"
#include "values/LinColorValue.h"
#include "values/LinVectValue.h"
#include "values/VectValue.h"

namespace {

class KeyReaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        CurrentTime = 0;
    }
    static std::string Log() { return Con.BufferText(); }
};

}  // namespace

TEST_F(KeyReaderTest, EachKeyframedClassReadsItsOwnTextForm) {
    NLinColorValue color;
    EXPECT_TRUE(ReadKey(&color, "LinColorValue", "0", "#FF0000"));
    EXPECT_TRUE(ReadKey(&color, "LinColorValue", "2", "#0000FF00"));
    NBSFloatValue number;
    EXPECT_TRUE(ReadKey(&number, "BSFloatValue", " 1.5", "2.5xyz"));
    NBSVectValue spline;
    EXPECT_TRUE(ReadKey(&spline, "BSVectValue", "0", "1 2 3"));
    NLinVectValue line;
    EXPECT_TRUE(ReadKey(&line, "LinVectValue", "4", "7 8"));
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(Con.ErrorCount(), 0);

    ASSERT_EQ(color.keys.KeyCount(), 2);
    EXPECT_EQ(color.keys.Key(0).values[3], 1.0f);  // "#RRGGBB" is opaque
    EXPECT_EQ(color.keys.Key(1).Time, 2.0f);
    EXPECT_EQ(color.keys.Key(1).values[2], 1.0f);
    EXPECT_EQ(color.keys.Key(1).values[3], 0.0f);
    EXPECT_EQ(number.keys.Key(0).Time, 1.5f);
    EXPECT_EQ(number.keys.Key(0).values[0], 2.5f);
    EXPECT_EQ(spline.keys.Key(0).values[2], 3.0f);
    EXPECT_EQ(line.keys.Key(0).values[1], 8.0f);
    EXPECT_EQ(line.keys.Key(0).values[2], 0.0f);
}

TEST_F(KeyReaderTest, TimeThatIsNoFiniteNumberIsRefused) {
    NBSFloatValue value;
    for (const char* time : {"soon", "", "nan", "inf", "1e99"}) {
        EXPECT_FALSE(ReadKey(&value, "BSFloatValue", time, "1")) << time;
    }
    EXPECT_FALSE(ReadKey(&value, "BSFloatValue", nullptr, "1"));
    EXPECT_EQ(Log(),
              "Error: key time [soon] is invalid\r\n"
              "Error: key time [] is invalid\r\n"
              "Error: key time [nan] is invalid\r\n"
              "Error: key time [inf] is invalid\r\n"
              "Error: key time [1e99] is invalid\r\n"
              "Error: key time [] is invalid\r\n");
    EXPECT_EQ(value.keys.KeyCount(), 0);
}

TEST_F(KeyReaderTest, KeysUnderOtherClassesAreRefused) {
    NVectValue vector;
    EXPECT_FALSE(ReadKey(&vector, "Vector", "0", "1 2 3"));
    // The name decides, compared whole and case-sensitively.
    NLinVectValue line;
    EXPECT_FALSE(ReadKey(&line, "linvectvalue", "0", "1 2 3"));
    EXPECT_FALSE(ReadKey(nullptr, nullptr, "0", "1"));
    // A bad time is the first thing reported.
    EXPECT_FALSE(ReadKey(&vector, "Vector", "x", "1 2 3"));
    EXPECT_EQ(Log(),
              "Error: class Vector can not be keyframed\r\n"
              "Error: class linvectvalue can not be keyframed\r\n"
              "Error: class  can not be keyframed\r\n"
              "Error: key time [x] is invalid\r\n");
    EXPECT_EQ(line.keys.KeyCount(), 0);
}

TEST_F(KeyReaderTest, ParentWithoutAnObjectIsRefusedSilently) {
    EXPECT_FALSE(ReadKey(nullptr, "BSVectValue", "0", "1 2 3"));
    // An object that is not of the named class has no keys to add to.
    NBSFloatValue other;
    EXPECT_FALSE(ReadKey(&other, "BSVectValue", "0", "1 2 3"));
    EXPECT_EQ(Log(), "");
    EXPECT_EQ(other.keys.KeyCount(), 0);
}

TEST_F(KeyReaderTest, UnreadableValueIsRefusedWithItsText) {
    NLinColorValue color;
    EXPECT_FALSE(ReadKey(&color, "LinColorValue", "0", "#GG0000"));
    EXPECT_FALSE(ReadKey(&color, "LinColorValue", "0", "FF0000"));
    NBSFloatValue number;
    EXPECT_FALSE(ReadKey(&number, "BSFloatValue", "0", "<blank>"));
    NLinVectValue line;
    EXPECT_FALSE(ReadKey(&line, "LinVectValue", "0", "x 1 2"));
    EXPECT_FALSE(ReadKey(&line, "LinVectValue", "0", nullptr));
    EXPECT_EQ(Log(),
              "Error: Color Reader: #RRGGBB or #RRGGBBAA hexadecimal form expected\r\n"
              "Error: key [#GG0000] is invalid\r\n"
              "Error: key [FF0000] is invalid\r\n"
              "Error: key [<blank>] is invalid\r\n"
              "Error: key [x 1 2] is invalid\r\n"
              "Error: key [] is invalid\r\n");
    EXPECT_EQ(color.keys.KeyCount() + number.keys.KeyCount() + line.keys.KeyCount(), 0);
}

TEST_F(KeyReaderTest, KeyframedValuesFollowTheirKeysAfterInit) {
    NLinColorValue color;
    ReadKey(&color, "LinColorValue", "0", "#000000");
    ReadKey(&color, "LinColorValue", "1", "#FF000000");
    color.Init();
    CurrentTime = 0.5f;
    color.Update();
    EXPECT_FLOAT_EQ(color.r, 0.5f);
    EXPECT_EQ(color.g, 0.0f);
    EXPECT_FLOAT_EQ(color.a, 0.5f);

    NBSVectValue spline;
    const char* texts[] = {"0 0 0", "1 10 -1", "2 20 -2", "3 30 -3"};
    for (int i = 0; i < 4; ++i) {
        ReadKey(&spline, "BSVectValue", std::to_string(i).c_str(), texts[i]);
    }
    spline.Init();
    CurrentTime = 1.5f;
    spline.Update();
    EXPECT_FLOAT_EQ(spline.x, 1.5f);
    EXPECT_FLOAT_EQ(spline.y, 15.0f);
    EXPECT_FLOAT_EQ(spline.z, -1.5f);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(KeyReaderTest, KeyframedValueKeepsItsFieldsUntilItCanBeEvaluated) {
    NBSFloatValue number;
    number.f = 3;
    ReadKey(&number, "BSFloatValue", "0", "9");
    number.Update();
    EXPECT_EQ(number.f, 3.0f);
    NLinVectValue empty;
    empty.x = 1;
    empty.Init();
    empty.Update();
    EXPECT_EQ(empty.x, 1.0f);
    EXPECT_EQ(Log(),
              "Error: NKeyValue: Not Initialized\r\n"
              "Error: NKeyValue: Init: no keys\r\n"
              "Error: NKeyValue: Not Initialized\r\n");
}
