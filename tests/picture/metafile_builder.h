#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <initializer_list>

// Hand-made metafiles for tests and the fuzz corpus: records are given as
// their parameters, the headers and the closing record are written here.
namespace metafile_test {

void AppendLe16(QByteArray& bytes, int value);
void AppendLe32(QByteArray& bytes, std::int64_t value);
QByteArray Le32s(std::initializer_list<std::int64_t> values);

// A placeable Windows metafile with the bounding box in logical units.
class TWmfBuilder {
public:
    explicit TWmfBuilder(QRect box, int unitsPerInch = 1440);
    // A record of 16-bit parameters, in the order the file holds them.
    TWmfBuilder& Record(std::uint16_t function, std::initializer_list<int> words);
    TWmfBuilder& Raw(std::uint16_t function, const QByteArray& params);
    // A record whose size field claims sizeInWords, whatever follows.
    TWmfBuilder& Lying(std::uint32_t sizeInWords, std::uint16_t function);
    QByteArray Build() const;

private:
    QRect box_;
    int unitsPerInch_;
    QByteArray records_;
};

// An enhanced metafile whose frame is sizePx at 4 device pixels per
// millimetre (a reference device of 1000 x 1000 pixels, 250 x 250 mm).
class TEmfBuilder {
public:
    explicit TEmfBuilder(QSize sizePx);
    // A record of 32-bit parameters.
    TEmfBuilder& Record(std::uint32_t type, std::initializer_list<std::int64_t> values);
    TEmfBuilder& Raw(std::uint32_t type, const QByteArray& params);
    QByteArray Build() const;

private:
    QSize size_;
    QByteArray records_;
    int count_ = 0;
};

// A 2 x 2 24-bit DIB (BITMAPINFOHEADER then bits, stored bottom-up):
// red top-left, green top-right, blue bottom-left, white bottom-right.
QByteArray FourColourDibInfo();
QByteArray FourColourDibBits();

// A 32-bit float as the four bytes of a file.
std::uint32_t FloatBits(float value);

} // namespace metafile_test
