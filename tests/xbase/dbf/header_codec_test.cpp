#include "xbase/dbf/dbf_header.h"

#include <gtest/gtest.h>

using namespace xbase::dbf;

namespace {

TEST(HeaderCodecTest, HeaderRoundTripsThroughItsBytes)
{
    DbfHeader h;
    h.version = 0xF5;
    h.year = 2024;
    h.month = 2;
    h.day = 29;
    h.recordCount = 0x01020304;
    h.headerLength = 0x0141;
    h.recordLength = 0x0123;
    h.tableFlags = 0x01;
    h.languageDriver = 0x03;
    const auto bytes = encodeHeader(h);
    EXPECT_EQ(bytes[1], 124);
    EXPECT_EQ(bytes[4], 0x04);
    EXPECT_EQ(bytes[8], 0x41);
    const DbfHeader back = decodeHeader(bytes.data());
    EXPECT_EQ(back.version, h.version);
    EXPECT_EQ(back.year, 2024);
    EXPECT_EQ(back.month, 2);
    EXPECT_EQ(back.day, 29);
    EXPECT_EQ(back.recordCount, h.recordCount);
    EXPECT_EQ(back.headerLength, h.headerLength);
    EXPECT_EQ(back.recordLength, h.recordLength);
    EXPECT_EQ(back.tableFlags, h.tableFlags);
    EXPECT_EQ(back.languageDriver, h.languageDriver);
}

TEST(HeaderCodecTest, DescriptorNameStopsAtNulAndAtElevenBytes)
{
    FieldDescriptor d;
    d.name = "LNAME";
    d.type = 'C';
    d.length = 30;
    auto bytes = encodeDescriptor(d);
    EXPECT_EQ(bytes[5], 0);
    EXPECT_EQ(decodeDescriptor(bytes.data()).name, "LNAME");
    EXPECT_EQ(decodeDescriptor(bytes.data()).length, 30);

    for (int i = 0; i < 11; ++i)
        bytes[static_cast<std::size_t>(i)] = 'A';
    EXPECT_EQ(decodeDescriptor(bytes.data()).name, std::string(11, 'A'));
}

} // namespace
