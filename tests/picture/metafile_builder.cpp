#include "metafile_builder.h"

#include <bit>

namespace metafile_test {

void AppendLe16(QByteArray& bytes, int value)
{
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

void AppendLe32(QByteArray& bytes, std::int64_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
}

QByteArray Le32s(std::initializer_list<std::int64_t> values)
{
    QByteArray bytes;
    for (std::int64_t value : values)
        AppendLe32(bytes, value);
    return bytes;
}

TWmfBuilder::TWmfBuilder(QRect box, int unitsPerInch) : box_(box), unitsPerInch_(unitsPerInch) {}

TWmfBuilder& TWmfBuilder::Record(std::uint16_t function, std::initializer_list<int> words)
{
    QByteArray params;
    for (int word : words)
        AppendLe16(params, word);
    return Raw(function, params);
}

TWmfBuilder& TWmfBuilder::Raw(std::uint16_t function, const QByteArray& params)
{
    QByteArray padded = params;
    if (padded.size() % 2)
        padded.append('\0');
    AppendLe32(records_, 3 + padded.size() / 2);
    AppendLe16(records_, function);
    records_.append(padded);
    return *this;
}

TWmfBuilder& TWmfBuilder::Lying(std::uint32_t sizeInWords, std::uint16_t function)
{
    AppendLe32(records_, sizeInWords);
    AppendLe16(records_, function);
    return *this;
}

QByteArray TWmfBuilder::Build() const
{
    QByteArray file;
    AppendLe32(file, 0x9AC6CDD7);
    AppendLe16(file, 0);
    for (int value : {box_.left(), box_.top(), box_.left() + box_.width(), box_.top() + box_.height()})
        AppendLe16(file, value);
    AppendLe16(file, unitsPerInch_);
    AppendLe32(file, 0);
    AppendLe16(file, 0); // checksum, not checked by readers we know
    QByteArray body = records_;
    AppendLe32(body, 3); // the closing record
    AppendLe16(body, 0);
    AppendLe16(file, 1); // in memory
    AppendLe16(file, 9);
    AppendLe16(file, 0x0300);
    AppendLe32(file, 9 + body.size() / 2);
    AppendLe16(file, 16);
    AppendLe32(file, 0);
    AppendLe16(file, 0);
    return file + body;
}

TEmfBuilder::TEmfBuilder(QSize sizePx) : size_(sizePx) {}

TEmfBuilder& TEmfBuilder::Record(std::uint32_t type, std::initializer_list<std::int64_t> values)
{
    QByteArray params;
    for (std::int64_t value : values)
        AppendLe32(params, value);
    return Raw(type, params);
}

TEmfBuilder& TEmfBuilder::Raw(std::uint32_t type, const QByteArray& params)
{
    QByteArray padded = params;
    while (padded.size() % 4)
        padded.append('\0');
    AppendLe32(records_, type);
    AppendLe32(records_, 8 + padded.size());
    records_.append(padded);
    ++count_;
    return *this;
}

QByteArray TEmfBuilder::Build() const
{
    constexpr int kHeaderSize = 88;
    QByteArray body = records_;
    body.append(Le32s({14, 20, 0, 16, 20}));
    QByteArray file;
    AppendLe32(file, 1);
    AppendLe32(file, kHeaderSize);
    for (std::int64_t value : {0, 0, size_.width() - 1, size_.height() - 1}) // bounds, inclusive
        AppendLe32(file, value);
    for (std::int64_t value : {0, 0, size_.width() * 25, size_.height() * 25}) // frame, 0.01 mm
        AppendLe32(file, value);
    AppendLe32(file, 0x464D4520);
    AppendLe32(file, 0x10000);
    AppendLe32(file, kHeaderSize + body.size());
    AppendLe32(file, count_ + 2);
    AppendLe16(file, 16);
    AppendLe16(file, 0);
    file.append(Le32s({0, 0, 0, 1000, 1000, 250, 250}));
    return file + body;
}

QByteArray FourColourDibInfo()
{
    QByteArray info;
    info.append(Le32s({40, 2, 2}));
    AppendLe16(info, 1);
    AppendLe16(info, 24);
    info.append(Le32s({0, 16, 2835, 2835, 0, 0}));
    return info;
}

QByteArray FourColourDibBits()
{
    // Bottom row first, blue-green-red order, rows padded to 4 bytes.
    return QByteArray("\xFF\x00\x00" "\xFF\xFF\xFF" "\x00\x00" "\x00\x00\xFF" "\x00\xFF\x00" "\x00\x00", 16);
}

std::uint32_t FloatBits(float value) { return std::bit_cast<std::uint32_t>(value); }

} // namespace metafile_test
