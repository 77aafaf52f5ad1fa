#include "xbase/core/bytes.h"
#include "xbase/dbf/field_codec.h"

#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using xbase::FieldInfo;

namespace {

// One field at offset 1 of a small record buffer, as a table holds it.
struct Record {
    explicit Record(FieldInfo f) : field(std::move(f)), bytes(static_cast<std::size_t>(field.width) + 1, ' ')
    {
        field.offset = 1;
    }
    FieldInfo field;
    std::vector<unsigned char> bytes;
    std::string stored() const { return xbase::fieldBytes(bytes.data(), field); }
};

struct PutCase {
    FieldInfo field;
    std::string input;
    std::optional<std::string> stored; // nullopt: refused
};

class PutFieldTextTest : public testing::TestWithParam<PutCase> {};

TEST_P(PutFieldTextTest, StoresExactlyOrRefuses)
{
    const PutCase& c = GetParam();
    Record rec(c.field);
    const xbase::Status s = xbase::putFieldText(rec.bytes.data(), rec.field, c.input);
    if (!c.stored) {
        EXPECT_EQ(s.code(), xbase::Status::Code::InvalidArgument) << "\"" << c.input << "\" stored as \"" << rec.stored() << "\"";
        EXPECT_FALSE(s.message().empty());
        return;
    }
    ASSERT_TRUE(s.isOk()) << s.toString();
    EXPECT_EQ(rec.stored(), *c.stored);
}

const FieldInfo kChar5{"NAME", 'C', 5, 0, 0};
const FieldInfo kNum72{"QTY", 'N', 7, 2, 0};
const FieldInfo kNum3{"COUNT", 'N', 3, 0, 0};
const FieldInfo kLogical{"OK", 'L', 1, 0, 0};
const FieldInfo kDate{"BORN", 'D', 8, 0, 0};
const FieldInfo kMemo{"NOTES", 'M', 10, 0, 0};

INSTANTIATE_TEST_SUITE_P(Cases, PutFieldTextTest,
    testing::Values(
        PutCase{kChar5, "abc", "abc  "},
        PutCase{kChar5, "abcde   ", "abcde"},
        PutCase{kChar5, "  ab", "  ab "},
        PutCase{kChar5, "", "     "},
        PutCase{kChar5, "M\xFCller", std::nullopt},
        PutCase{kChar5, "abcdef", std::nullopt},
        PutCase{kNum72, "12.5", "  12.50"},
        PutCase{kNum72, " -3 ", "  -3.00"},
        PutCase{kNum72, "+.5", "   0.50"},
        PutCase{kNum72, "1.005", "   1.01"},
        PutCase{kNum72, "-0.001", "   0.00"},
        PutCase{kNum72, "9999.99", "9999.99"},
        PutCase{kNum72, "9999.995", std::nullopt},
        PutCase{kNum72, "12345.6", std::nullopt},
        PutCase{kNum72, "", "       "},
        PutCase{kNum72, "1e5", std::nullopt},
        PutCase{kNum72, "12,5", std::nullopt},
        PutCase{kNum72, "-", std::nullopt},
        PutCase{kNum3, "999", "999"},
        PutCase{kNum3, "1000", std::nullopt},
        PutCase{kNum3, "12.5", " 13"},
        PutCase{kNum3, "-99.4", "-99"},
        PutCase{kNum3, "007", "  7"},
        PutCase{kLogical, "T", "T"},
        PutCase{kLogical, "y", "T"},
        PutCase{kLogical, ".F.", "F"},
        PutCase{kLogical, "n", "F"},
        PutCase{kLogical, "", " "},
        PutCase{kLogical, "x", std::nullopt},
        PutCase{kLogical, "TRUE", std::nullopt},
        PutCase{kDate, "20240229", "20240229"},
        PutCase{kDate, "", "        "},
        PutCase{kDate, "20230229", std::nullopt},
        PutCase{kDate, "2024-01-01", std::nullopt},
        PutCase{kDate, "20241301", std::nullopt},
        PutCase{kDate, "00000101", std::nullopt},
        PutCase{kMemo, "text", std::nullopt}));

struct TextCase {
    FieldInfo field;
    std::string stored;
    std::string text;
};

class FieldTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(FieldTextTest, ShowsStoredBytesAsText)
{
    const TextCase& c = GetParam();
    Record rec(c.field);
    std::memcpy(rec.bytes.data() + 1, c.stored.data(), c.stored.size());
    EXPECT_EQ(xbase::fieldText(rec.bytes.data(), rec.field), c.text);
}

std::string le32(std::uint32_t v)
{
    unsigned char b[4];
    xbase::bytes::putLe32(b, v);
    return std::string(reinterpret_cast<char*>(b), 4);
}

std::string le64(std::uint64_t v) { return le32(static_cast<std::uint32_t>(v)) + le32(static_cast<std::uint32_t>(v >> 32)); }

const std::uint32_t k20240101 = 2460311; // Julian day number

INSTANTIATE_TEST_SUITE_P(Cases, FieldTextTest,
    testing::Values(
        TextCase{kChar5, "ab   ", "ab"},
        TextCase{kChar5, " a b ", " a b"},
        TextCase{kNum72, "  12.50", "12.50"},
        TextCase{kLogical, "t", "T"},
        TextCase{kLogical, "?", ""},
        TextCase{kDate, "        ", ""},
        TextCase{kMemo, "        12", "12"},
        TextCase{kMemo, "          ", ""},
        TextCase{FieldInfo{"M4", 'M', 4, 0, 0}, le32(77), "77"},
        TextCase{FieldInfo{"I", 'I', 4, 0, 0}, le32(static_cast<std::uint32_t>(-5)), "-5"},
        TextCase{FieldInfo{"Y", 'Y', 8, 4, 0}, le64(12345678), "1234.5678"},
        TextCase{FieldInfo{"Y", 'Y', 8, 4, 0}, le64(static_cast<std::uint64_t>(-1)), "-0.0001"},
        TextCase{FieldInfo{"T", 'T', 8, 0, 0}, le32(k20240101) + le32(45296000), "20240101123456"},
        TextCase{FieldInfo{"T", 'T', 8, 0, 0}, le32(k20240101) + le32(86399999), "20240102000000"},
        TextCase{FieldInfo{"T", 'T', 8, 0, 0}, le64(0), ""},
        TextCase{FieldInfo{"B", 'B', 8, 0, 0}, le64(0x3FB999999999999AULL), "0.1"},
        TextCase{FieldInfo{"B", 'B', 8, 0, 0}, le64(0xC059000000000000ULL), "-100"},
        TextCase{FieldInfo{"Q", 'Q', 2, 0, 0}, "\x01\xAB", "01AB"}));

TEST(MemoReferenceTest, BlockNumbersRoundTripInBothEncodings)
{
    for (const FieldInfo& f : {kMemo, FieldInfo{"M4", 'M', 4, 0, 0}}) {
        Record rec(f);
        for (std::uint32_t block : {0u, 8u, 4294967295u}) {
            xbase::dbf::putMemoBlock(rec.bytes.data(), rec.field, block);
            std::uint32_t back = 1;
            ASSERT_TRUE(xbase::dbf::memoBlock(rec.bytes.data(), rec.field, &back));
            EXPECT_EQ(back, block);
        }
    }
    Record rec(kMemo);
    std::memcpy(rec.bytes.data() + 1, "   12x    ", 10);
    std::uint32_t block = 0;
    EXPECT_FALSE(xbase::dbf::memoBlock(rec.bytes.data(), rec.field, &block));
}

} // namespace
