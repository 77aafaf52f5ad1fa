#include "xbase/cdx/key_encoding.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using xbase::decodeNumericKey;
using xbase::encodeNumericKey;

TEST(KeyEncodingTest, NumericKeysCompareAsBytesInNumericOrder)
{
    const std::vector<double> ascending = {-std::numeric_limits<double>::infinity(), -1e300, -12345.5, -1, -0.5, -1e-300,
                                           0, 1e-300, 0.5, 1, 2, 12345.5, 1e300, std::numeric_limits<double>::infinity()};
    for (std::size_t i = 0; i + 1 < ascending.size(); ++i) {
        const auto a = encodeNumericKey(ascending[i]);
        const auto b = encodeNumericKey(ascending[i + 1]);
        EXPECT_LT(a, b) << ascending[i] << " vs " << ascending[i + 1];
    }
    for (double v : ascending)
        EXPECT_EQ(decodeNumericKey(encodeNumericKey(v)), v);
}

TEST(KeyEncodingTest, NumericKeyBytesFollowTheSharedLayout)
{
    // Other readers decode these exact bytes, so they are pinned here.
    EXPECT_EQ(encodeNumericKey(1.0), std::string("\xBF\xF0\0\0\0\0\0\0", 8));
    EXPECT_EQ(encodeNumericKey(-1.0), std::string("\x40\x0F\xFF\xFF\xFF\xFF\xFF\xFF", 8));
    EXPECT_EQ(encodeNumericKey(0.0), std::string("\x80\0\0\0\0\0\0\0", 8));
    EXPECT_EQ(encodeNumericKey(-0.0), encodeNumericKey(0.0));
}

TEST(KeyEncodingTest, DateAndLogicalKeys)
{
    EXPECT_EQ(xbase::encodeDateKey(2451545), encodeNumericKey(2451545));
    EXPECT_LT(xbase::encodeDateKey(0), xbase::encodeDateKey(2451545)); // empty dates sort first
    EXPECT_EQ(xbase::encodeLogicalKey(true), "T");
    EXPECT_EQ(xbase::encodeLogicalKey(false), "F");
    EXPECT_EQ(xbase::trailingFill(xbase::KeyType::Character), ' ');
    EXPECT_EQ(xbase::trailingFill(xbase::KeyType::Date), 0);
}
