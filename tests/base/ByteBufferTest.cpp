#include "base/ByteBuffer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Bytes(const ByteBuffer& buffer) {
    return std::string(reinterpret_cast<const char*>(buffer.data), buffer.size);
}

}  // namespace

TEST(ByteBuffer, InsertOpensAGapAndFillsItFromTheSourceOrWithZeros) {
    ByteBuffer buffer;
    ASSERT_EQ(buffer.Allocate(4), 0);
    EXPECT_EQ(Bytes(buffer), std::string(4, '\0'));
    ASSERT_EQ(buffer.Insert(0, 4, "abcd"), 0);
    ASSERT_EQ(buffer.Insert(2, 2, "XY"), 0);
    EXPECT_EQ(Bytes(buffer), std::string("abXYcd") + std::string(4, '\0'));
    ASSERT_EQ(buffer.Insert(buffer.size, 3, nullptr), 0);
    EXPECT_EQ(buffer.size, 13);
    EXPECT_EQ(Bytes(buffer).substr(10), std::string(3, '\0'));
}

TEST(ByteBuffer, InsertRefusesBadPositionsAndMissingData) {
    ByteBuffer buffer;
    EXPECT_EQ(buffer.Insert(0, 1, nullptr), 1);  // nothing allocated
    ASSERT_EQ(buffer.Allocate(2), 0);
    EXPECT_EQ(buffer.Insert(3, 1, nullptr), 1);
    EXPECT_EQ(buffer.Insert(-1, 1, nullptr), 1);
    EXPECT_EQ(buffer.Insert(0, -1, nullptr), 1);
    EXPECT_EQ(buffer.Insert(1, 0, nullptr), 0);
    EXPECT_EQ(buffer.size, 2);
    EXPECT_EQ(buffer.Allocate(-1), 1);
    EXPECT_EQ(buffer.data, nullptr);
}
