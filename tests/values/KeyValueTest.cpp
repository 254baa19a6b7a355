#include "values/KeyValue.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "base/Con.h"
#include "base/FrameTime.h"

namespace {

// Adds one-float keys (time, value) in the order given.
void AddKeys(NKeyValue& keys, std::initializer_list<std::pair<float, float>> list) {
    for (const auto& [time, value] : list) {
        keys.AddKey(time, &value);
    }
}

float At(NKeyValue& keys, float time) {
    CurrentTime = time;
    EXPECT_TRUE(keys.Evaluate());
    return keys.Output()[0];
}

// The indexes of the four neighbours found for `time`, then their distances.
std::string SearchAt(NKeyValue& keys, float time) {
    keys.FindNeighbours(time);
    std::string found;
    for (int j = 0; j < 4; ++j) {
        found += std::to_string(keys.Neighbour(j) - &keys.Key(0));
    }
    for (int j = 0; j < 4; ++j) {
        found += " " + std::to_string(keys.Distance(j)).substr(0, 3);
    }
    return found;
}

}  // namespace

TEST(KeyValue, SearchFindsTheKeysAroundTheTimeAndRepeatsThemAtTheEnds) {
    NLinValue keys(1);
    AddKeys(keys, {{0, 0}, {1, 1}, {2, 2}, {3, 3}});
    EXPECT_EQ(SearchAt(keys, 1.5f), "0123 1.5 0.5 0.5 1.5");
    EXPECT_EQ(SearchAt(keys, 1), "0123 1.0 0.0 1.0 2.0");  // at a key, k1 is that key
    EXPECT_EQ(SearchAt(keys, 0.5f), "0012 0.5 0.5 0.5 1.5");
    // Outside the keys the anchor is the end key, so k1 lies at distance 0.
    EXPECT_EQ(SearchAt(keys, -1), "0001 0.0 0.0 0.0 1.0");
    EXPECT_EQ(SearchAt(keys, 7), "2333 1.0 0.0 0.0 0.0");
}

TEST(KeyValue, LinearBlendsBetweenKeysAndHoldsOutsideThem) {
    NLinValue keys(1);
    AddKeys(keys, {{0, 0}, {2, 10}});
    ASSERT_EQ(keys.Init(), 0);
    EXPECT_EQ(At(keys, 1), 5.0f);
    EXPECT_EQ(At(keys, 0.5f), 2.5f);
    EXPECT_EQ(At(keys, -1), 0.0f);
    EXPECT_EQ(At(keys, 3), 10.0f);
}

TEST(KeyValue, CatmullRomPassesThroughKeysWithUniformWeights) {
    NBSValue line(1);
    AddKeys(line, {{0, 0}, {1, 1}, {2, 2}, {3, 3}});
    ASSERT_EQ(line.Init(), 0);
    EXPECT_EQ(At(line, 1.5f), 1.5f);
    EXPECT_EQ(At(line, 2), 2.0f);
    NBSValue step(1);
    AddKeys(step, {{0, 0}, {1, 0}, {2, 1}, {3, 1}});
    ASSERT_EQ(step.Init(), 0);
    EXPECT_EQ(At(step, 1.5f), 0.5f);
    // Next to the first key k0 and k1 are both key 0: only w3 meets a non-zero value.
    EXPECT_EQ(At(step, 0.5f), -0.0625f);
    EXPECT_EQ(At(step, 2.5f), 1.0625f);
    // The spacing of the outer keys does not enter: u = 0.25 between the keys at 1 and 3
    // gives the weights -0.0703125, 0.8671875, 0.2265625, -0.0234375.
    NBSValue uneven(1);
    AddKeys(uneven, {{0, 0}, {1, 1}, {3, 2}, {4, 3}});
    ASSERT_EQ(uneven.Init(), 0);
    EXPECT_FLOAT_EQ(At(uneven, 1.5f), 0.8671875f + 2 * 0.2265625f - 3 * 0.0234375f);
}

TEST(KeyValue, OddKeyListsGiveDefinedValues) {
    NBSValue single(1);
    AddKeys(single, {{2, 7}});
    ASSERT_EQ(single.Init(), 0);
    EXPECT_EQ(At(single, -5), 7.0f);
    EXPECT_EQ(At(single, 2.5f), 7.0f);
    NLinValue twice(1);
    AddKeys(twice, {{0, 0}, {1, 5}, {1, 8}, {2, 10}});
    ASSERT_EQ(twice.Init(), 0);
    EXPECT_EQ(At(twice, 1), 8.0f);  // of two keys at one time the later holds there
    // Out of order: the first key later than t in list order bounds the blend.
    NLinValue unordered(1);
    AddKeys(unordered, {{0, 0}, {5, 50}, {2, 20}, {10, 100}});
    ASSERT_EQ(unordered.Init(), 0);
    EXPECT_FLOAT_EQ(At(unordered, 3), 30.0f);
    EXPECT_FLOAT_EQ(At(unordered, 7), 70.0f);
    EXPECT_EQ(Con.ErrorCount(), 0);
}

TEST(KeyValue, ArrayGrowsPastTwentyFiveKeysWithOneLineAndKeepsTheValues) {
    Con.EnableBuffer(true);
    NBSValue keys(1);
    for (int i = 0; i < 1000; ++i) {
        const float value = i * 10.0f;
        keys.AddKey(static_cast<float>(i), &value);
    }
    EXPECT_STREQ(Con.BufferText(), "NKeyValue: AddKey granularity exceeded\r\n");
    EXPECT_EQ(Con.ErrorCount(), 0);
    ASSERT_EQ(keys.KeyCount(), 1000);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(keys.Key(i).values[0], i * 10.0f);
    }
}

TEST(KeyValue, UninitialisedOrUnusableKeysAreReportedAndLeaveTheOutput) {
    Con.EnableBuffer(true);
    NLinValue early(1);
    AddKeys(early, {{0, 4}});
    EXPECT_FALSE(early.Evaluate());
    EXPECT_EQ(early.Output()[0], 0.0f);
    NBSValue empty(3);
    EXPECT_EQ(empty.Init(), 1);
    EXPECT_EQ(empty.Init(), 1);  // reported once
    EXPECT_FALSE(empty.Evaluate());
    NLinValue backwards(1);
    AddKeys(backwards, {{3, 0}, {1, 1}, {2, 2}});
    EXPECT_EQ(backwards.Init(), 1);
    EXPECT_FALSE(backwards.Evaluate());
    EXPECT_STREQ(Con.BufferText(),
                 "Error: NKeyValue: Not Initialized\r\n"
                 "Error: NKeyValue: Init: no keys\r\n"
                 "Error: NKeyValue: Not Initialized\r\n"
                 "Error: NKeyValue: Init: the last key (2) is earlier than the first (3)\r\n"
                 "Error: NKeyValue: Not Initialized\r\n");
}
