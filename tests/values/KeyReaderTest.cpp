#include "values/KeyReader.h"

#include <gtest/gtest.h>

#include <string>

#include "base/Con.h"
#include "base/FrameTime.h"
#include "values/BSFloatValue.h"
#include "values/BSVectValue.h"
#include "values/LinColorValue.h"
#include "values/LinVectValue.h"

TEST(KeyReader, EachKeyframedClassReadsItsOwnTextFormAndFollowsItsKeys) {
    Con.EnableBuffer(true);
    NLinColorValue color;
    EXPECT_TRUE(ReadKey(&color, "LinColorValue", "0", "#000000"));
    EXPECT_TRUE(ReadKey(&color, "LinColorValue", "1", "#FF000000"));
    NBSFloatValue number;
    EXPECT_TRUE(ReadKey(&number, "BSFloatValue", " 1.5", "2.5xyz"));
    NLinVectValue line;
    EXPECT_TRUE(ReadKey(&line, "LinVectValue", "4", "7 8"));
    NBSVectValue spline;
    const char* texts[] = {"0 0 0", "1 10 -1", "2 20 -2", "3 30 -3"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(ReadKey(&spline, "BSVectValue", std::to_string(i).c_str(), texts[i]));
    }
    EXPECT_EQ(number.keys.Key(0).Time, 1.5f);
    EXPECT_EQ(number.keys.Key(0).values[0], 2.5f);
    EXPECT_EQ(line.keys.Key(0).values[2], 0.0f);

    color.Init();
    spline.Init();
    CurrentTime = 0.5f;
    color.Update();
    EXPECT_FLOAT_EQ(color.r, 0.5f);
    EXPECT_FLOAT_EQ(color.a, 0.5f);  // "#RRGGBB" is opaque, "#FF000000" clear
    CurrentTime = 1.5f;
    spline.Update();
    EXPECT_FLOAT_EQ(spline.y, 15.0f);
    EXPECT_FLOAT_EQ(spline.z, -1.5f);
    EXPECT_STREQ(Con.BufferText(),
                 "number text [2.5xyz] is read as 2.5; what follows the number is ignored\r\n");
}

TEST(KeyReader, TimeThatIsNoFiniteNumberIsRefused) {
    Con.EnableBuffer(true);
    NBSFloatValue value;
    for (const char* time : {"soon", "", "nan", "1e99"}) {
        EXPECT_FALSE(ReadKey(&value, "BSFloatValue", time, "1")) << time;
    }
    EXPECT_FALSE(ReadKey(&value, "BSFloatValue", nullptr, "1"));
    EXPECT_STREQ(Con.BufferText(),
                 "Error: key time [soon] is invalid\r\n"
                 "Error: key time [] is invalid\r\n"
                 "Error: key time [nan] is invalid\r\n"
                 "Error: key time [1e99] is invalid\r\n"
                 "Error: key time [] is invalid\r\n");
    EXPECT_EQ(value.keys.KeyCount(), 0);
}

TEST(KeyReader, KeysUnderOtherClassesOrWithoutAnObjectAreRefused) {
    Con.EnableBuffer(true);
    NLinVectValue line;
    EXPECT_FALSE(ReadKey(&line, "Vector", "0", "1 2 3"));
    EXPECT_FALSE(ReadKey(&line, "linvectvalue", "0", "1 2 3"));  // whole name, case matters
    EXPECT_FALSE(ReadKey(&line, "Vector", "x", "1 2 3"));        // the time is checked first
    // Without an object (or with one of another class) there is nothing to add to,
    // and the compiler has reported why.
    EXPECT_FALSE(ReadKey(nullptr, "LinVectValue", "0", "1 2 3"));
    NBSFloatValue other;
    EXPECT_FALSE(ReadKey(&other, "LinVectValue", "0", "1 2 3"));
    EXPECT_STREQ(Con.BufferText(),
                 "Error: class Vector can not be keyframed\r\n"
                 "Error: class linvectvalue can not be keyframed\r\n"
                 "Error: key time [x] is invalid\r\n");
    EXPECT_EQ(line.keys.KeyCount() + other.keys.KeyCount(), 0);
}

TEST(KeyReader, UnreadableValueIsRefusedWithItsText) {
    Con.EnableBuffer(true);
    NLinColorValue color;
    EXPECT_FALSE(ReadKey(&color, "LinColorValue", "0", "#GG0000"));
    EXPECT_FALSE(ReadKey(&color, "LinColorValue", "0", "FF0000"));
    NBSFloatValue number;
    EXPECT_FALSE(ReadKey(&number, "BSFloatValue", "0", "<blank>"));
    NLinVectValue line;
    EXPECT_FALSE(ReadKey(&line, "LinVectValue", "0", nullptr));
    EXPECT_STREQ(Con.BufferText(),
                 "Error: Color Reader: #RRGGBB or #RRGGBBAA hexadecimal form expected\r\n"
                 "Error: key [#GG0000] is invalid\r\n"
                 "Error: key [FF0000] is invalid\r\n"
                 "Error: key [<blank>] is invalid\r\n"
                 "Error: key [] is invalid\r\n");
    EXPECT_EQ(color.keys.KeyCount() + number.keys.KeyCount() + line.keys.KeyCount(), 0);
}

TEST(KeyReader, KeyframedValueKeepsItsFieldsUntilItCanBeEvaluated) {
    Con.EnableBuffer(true);
    NBSFloatValue number;
    number.f = 3;
    ReadKey(&number, "BSFloatValue", "0", "9");
    number.Update();
    EXPECT_EQ(number.f, 3.0f);
    EXPECT_STREQ(Con.BufferText(), "Error: NKeyValue: Not Initialized\r\n");
}
