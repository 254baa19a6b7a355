#include "values/KeyValue.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "app/Con.h"
#include "app/FrameTime.h"

namespace {

class KeyValueTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Con.EnableBuffer(true);
        CurrentTime = 0;
    }
    static std::string Log() { return Con.BufferText(); }

    // Adds one-float keys (time, value) in the order given.
    static void AddKeys(NKeyValue& keys, std::initializer_list<std::pair<float, float>> list) {
        for (const auto& [time, value] : list) {
            keys.AddKey(time, &value);
        }
    }
    static float At(NKeyValue& keys, float time) {
        CurrentTime = time;
        EXPECT_TRUE(keys.Evaluate());
        return keys.Output()[0];
    }
    // The indexes of the four neighbours found for `time`.
    static std::string NeighboursAt(NKeyValue& keys, float time) {
        keys.FindNeighbours(time);
        std::string indexes;
        for (int j = 0; j < 4; ++j) {
            indexes += std::to_string(keys.Neighbour(j) - &keys.Key(0));
        }
        return indexes;
    }
};

}  // namespace

TEST_F(KeyValueTest, SearchFindsTheKeysAroundTheTimeAndRepeatsThemAtTheEnds) {
    NLinValue keys(1);
    AddKeys(keys, {{0, 0}, {1, 1}, {2, 2}, {3, 3}});
    EXPECT_EQ(NeighboursAt(keys, 1.5f), "0123");
    EXPECT_EQ(keys.Distance(0), 1.5f);
    EXPECT_EQ(keys.Distance(1), 0.5f);
    EXPECT_EQ(keys.Distance(2), 0.5f);
    EXPECT_EQ(keys.Distance(3), 1.5f);
    // At a key's time that key is k1, at distance 0.
    EXPECT_EQ(NeighboursAt(keys, 1), "0123");
    EXPECT_EQ(keys.Distance(1), 0.0f);
    EXPECT_EQ(NeighboursAt(keys, 0.5f), "0012");
    // Outside the keys the anchor is the nearest end key.
    EXPECT_EQ(NeighboursAt(keys, -1), "0001");
    EXPECT_EQ(keys.Distance(1), 0.0f);
    EXPECT_EQ(keys.Distance(3), 1.0f);
    EXPECT_EQ(NeighboursAt(keys, 7), "2333");
    EXPECT_EQ(keys.Distance(0), 1.0f);
    EXPECT_EQ(keys.Distance(2), 0.0f);
}

TEST_F(KeyValueTest, LinearBlendsBetweenKeysAndHoldsOutsideThem) {
    NLinValue keys(1);
    AddKeys(keys, {{0, 0}, {2, 10}});
    ASSERT_EQ(keys.Init(), 0);
    EXPECT_EQ(At(keys, 1), 5.0f);
    EXPECT_EQ(At(keys, 0.5f), 2.5f);
    EXPECT_EQ(At(keys, -1), 0.0f);
    EXPECT_EQ(At(keys, 3), 10.0f);
    EXPECT_EQ(At(keys, 2), 10.0f);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(KeyValueTest, LinearBlendsEveryComponent) {
    NLinValue keys(3);
    const float a[3] = {0, 10, -4};
    const float b[3] = {4, 20, 4};
    keys.AddKey(1, a);
    keys.AddKey(5, b);
    ASSERT_EQ(keys.Init(), 0);
    CurrentTime = 2;
    ASSERT_TRUE(keys.Evaluate());
    EXPECT_EQ(keys.Output()[0], 1.0f);
    EXPECT_EQ(keys.Output()[1], 12.5f);
    EXPECT_EQ(keys.Output()[2], -2.0f);
}

TEST_F(KeyValueTest, CatmullRomPassesThroughKeysWithUniformWeights) {
    NBSValue line(1);
    AddKeys(line, {{0, 0}, {1, 1}, {2, 2}, {3, 3}});
    ASSERT_EQ(line.Init(), 0);
    EXPECT_EQ(At(line, 1.5f), 1.5f);
    EXPECT_EQ(At(line, 2), 2.0f);
    EXPECT_EQ(At(line, 9), 3.0f);

    NBSValue step(1);
    AddKeys(step, {{0, 0}, {1, 0}, {2, 1}, {3, 1}});
    ASSERT_EQ(step.Init(), 0);
    EXPECT_EQ(At(step, 1.5f), 0.5f);
    // Next to the first key k0 and k1 are both key 0: only w3 meets a non-zero value.
    EXPECT_EQ(At(step, 0.5f), -0.0625f);
    EXPECT_EQ(At(step, 2.5f), 1.0625f);
}

TEST_F(KeyValueTest, CatmullRomIgnoresTheSpacingOfTheOuterKeys) {
    NBSValue keys(1);
    AddKeys(keys, {{0, 0}, {1, 1}, {3, 2}, {4, 3}});
    ASSERT_EQ(keys.Init(), 0);
    // u = 0.5 between keys 1 and 2: -0.0625*0 + 0.5625*1 + 0.5625*2 - 0.0625*3.
    EXPECT_EQ(At(keys, 2), 1.5f);
    // u = 0.25: weights -0.0703125, 0.8671875, 0.2265625, -0.0234375.
    EXPECT_FLOAT_EQ(At(keys, 1.5f), 0.8671875f + 2 * 0.2265625f - 3 * 0.0234375f);
}

TEST_F(KeyValueTest, SingleKeyHoldsAtEveryTime) {
    NBSValue keys(1);
    AddKeys(keys, {{2, 7}});
    ASSERT_EQ(keys.Init(), 0);
    for (float t : {-5.0f, 2.0f, 2.5f, 100.0f}) {
        EXPECT_EQ(At(keys, t), 7.0f) << t;
    }
}

TEST_F(KeyValueTest, KeysAtTheSameTimeGiveTheLaterKeyThere) {
    NLinValue keys(1);
    AddKeys(keys, {{0, 0}, {1, 5}, {1, 8}, {2, 10}});
    ASSERT_EQ(keys.Init(), 0);
    EXPECT_EQ(At(keys, 1), 8.0f);
    EXPECT_EQ(At(keys, 0.5f), 2.5f);
    EXPECT_EQ(At(keys, 1.5f), 9.0f);
}

TEST_F(KeyValueTest, KeysOutOfOrderFollowTheListOrder) {
    NLinValue keys(1);
    AddKeys(keys, {{0, 0}, {5, 50}, {2, 20}, {10, 100}});
    ASSERT_EQ(keys.Init(), 0);
    // The first key later than 3 in list order is the one at 5.
    EXPECT_FLOAT_EQ(At(keys, 3), 30.0f);
    // Past the key at 5 the key at 2 is the last one passed, 5 seconds back.
    EXPECT_FLOAT_EQ(At(keys, 7), 70.0f);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST_F(KeyValueTest, ArrayGrowsEveryTwentyFiveKeysAndKeepsTheValues) {
    NBSValue keys(1);
    for (int i = 0; i < 51; ++i) {
        const float value = i * 10.0f;
        keys.AddKey(static_cast<float>(i), &value);
        if (i == 25) {
            EXPECT_EQ(Log(), "NKeyValue: AddKey granularity exceeded\r\n");
        }
    }
    EXPECT_EQ(Log(),
              "NKeyValue: AddKey granularity exceeded\r\n"
              "NKeyValue: AddKey granularity exceeded\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    ASSERT_EQ(keys.KeyCount(), 51);
    for (int i = 0; i < 51; ++i) {
        EXPECT_EQ(keys.Key(i).Time, static_cast<float>(i));
        EXPECT_EQ(keys.Key(i).values[0], i * 10.0f);
    }
    ASSERT_EQ(keys.Init(), 0);
    EXPECT_EQ(At(keys, 30), 300.0f);
}

TEST_F(KeyValueTest, EvaluateBeforeInitIsReportedEachTimeAndLeavesTheOutput) {
    NLinValue keys(1);
    AddKeys(keys, {{0, 4}});
    EXPECT_FALSE(keys.Evaluate());
    EXPECT_FALSE(keys.Evaluate());
    EXPECT_EQ(keys.Output()[0], 0.0f);
    EXPECT_EQ(Log(), "Error: NKeyValue: Not Initialized\r\nError: NKeyValue: Not Initialized\r\n");
    EXPECT_EQ(Con.ErrorCount(), 2);
}

TEST_F(KeyValueTest, InitRefusesNoKeysOnceAndTheValueIsNeverEvaluated) {
    NBSValue keys(3);
    EXPECT_EQ(keys.Init(), 1);
    EXPECT_EQ(keys.Init(), 1);
    EXPECT_EQ(Log(), "Error: NKeyValue: Init: no keys\r\n");
    EXPECT_FALSE(keys.Evaluate());
    keys.FindNeighbours(1);
    EXPECT_EQ(keys.Neighbour(1), nullptr);
    EXPECT_EQ(Con.ErrorCount(), 2);
}

TEST_F(KeyValueTest, InitRefusesALastKeyEarlierThanTheFirst) {
    NLinValue keys(1);
    AddKeys(keys, {{3, 0}, {1, 1}, {2, 2}});
    EXPECT_EQ(keys.Init(), 1);
    EXPECT_FALSE(keys.Evaluate());
    EXPECT_EQ(Log(),
              "Error: NKeyValue: Init: the last key (2) is earlier than the first (3)\r\n"
              "Error: NKeyValue: Not Initialized\r\n");
}
