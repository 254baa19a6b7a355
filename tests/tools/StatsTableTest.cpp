#include "capture/StatsTable.h"

#include <gtest/gtest.h>

TEST(StatsTable, MedianAndWorstOfAPartsFrames) {
    StatsTable::Row row;
    EXPECT_EQ(row.MedianMilliseconds(), 0);
    EXPECT_EQ(row.WorstMilliseconds(), 0);
    row.engineNanoseconds = {3000000, 1000000, 9000000};
    EXPECT_DOUBLE_EQ(row.MedianMilliseconds(), 3.0);
    EXPECT_DOUBLE_EQ(row.WorstMilliseconds(), 9.0);
    // An even count takes the mean of the middle two.
    row.engineNanoseconds.push_back(4000000);
    EXPECT_DOUBLE_EQ(row.MedianMilliseconds(), 3.5);
}
