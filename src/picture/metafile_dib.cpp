#include "picture/metafile_dib.h"

#include "picture/metafile_bytes.h"

#include <QBuffer>
#include <QImageReader>

#include <cmath>
#include <cstdlib>

namespace picture::metafile {

namespace {

constexpr int kMaxSide = 16384;
// Bitmaps inside clip art are small; this bounds what one record can make
// us allocate.
constexpr qint64 kMaxPixels = 16LL * 1024 * 1024;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kJpeg = 4;
constexpr std::uint32_t kPng = 5;

struct TDibLayout {
    qint64 headerSize = 0;
    qint64 colorTableSize = 0;
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t compression = 0;
    qint64 InfoSize() const { return headerSize + colorTableSize; }
};

bool ReadLayout(const TRecordBytes& info, TDibLayout& layout)
{
    layout.headerSize = info.U32(0);
    int& bitCount = layout.bitCount;
    std::uint32_t colorsUsed = 0;
    qint64 entrySize = 4;
    if (layout.headerSize == kCoreHeaderSize) {
        layout.width = info.U16(4);
        layout.height = info.S16(6);
        bitCount = info.U16(10);
        entrySize = 3;
    } else if (layout.headerSize >= kInfoHeaderSize && layout.headerSize <= 124) {
        layout.width = info.S32(4);
        layout.height = info.S32(8);
        bitCount = info.U16(14);
        layout.compression = info.U32(16);
        colorsUsed = info.U32(32);
    } else {
        return false;
    }
    const qint64 height = std::abs(static_cast<qint64>(layout.height));
    if (layout.width <= 0 || height == 0 || layout.width > kMaxSide || height > kMaxSide ||
        layout.width * height > kMaxPixels)
        return false;
    if (bitCount <= 8)
        layout.colorTableSize = entrySize * (colorsUsed != 0 && colorsUsed < 256 ? colorsUsed : (1u << bitCount));
    if (layout.compression == kBitFields && layout.headerSize == kInfoHeaderSize)
        layout.colorTableSize += 12;
    return info.Fits(0, layout.InfoSize());
}

QImage ReadBmp(const QByteArray& file)
{
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

void AppendLe32(QByteArray& bytes, qint64 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((value >> shift) & 0xFF));
}

// Uncompressed rows must all be there: a header that promises a large
// picture over a few bytes would otherwise cost the whole allocation.
bool RowsPresent(const TDibLayout& layout, qint64 bitsSize)
{
    constexpr std::uint32_t kUncompressed = 0;
    if (layout.compression != kUncompressed && layout.compression != kBitFields)
        return true;
    const qint64 stride = (static_cast<qint64>(layout.width) * layout.bitCount + 31) / 32 * 4;
    return bitsSize >= stride * std::abs(static_cast<qint64>(layout.height));
}

} // namespace

TDib DecodeDib(QByteArrayView info, QByteArrayView bits)
{
    TDibLayout layout;
    if (!ReadLayout(TRecordBytes(info), layout) || bits.isEmpty() || !RowsPresent(layout, bits.size()))
        return {};
    TDib dib;
    dib.bottomUp = layout.height > 0;
    if (layout.compression == kJpeg || layout.compression == kPng) {
        dib.image = QImage::fromData(bits);
        return dib;
    }
    constexpr qint64 kFileHeaderSize = 14;
    QByteArray file("BM");
    AppendLe32(file, kFileHeaderSize + layout.InfoSize() + bits.size());
    AppendLe32(file, 0);
    AppendLe32(file, kFileHeaderSize + layout.InfoSize());
    file.append(info.first(layout.InfoSize()));
    file.append(bits);
    dib.image = ReadBmp(file);
    return dib;
}

TDib DecodePackedDib(QByteArrayView packed)
{
    TDibLayout layout;
    if (!ReadLayout(TRecordBytes(packed), layout))
        return {};
    return DecodeDib(packed.first(layout.InfoSize()), packed.sliced(layout.InfoSize()));
}

QRectF DibSourceRect(const QImage& image, bool countFromBottom, double x, double y, double width, double height)
{
    if (image.isNull() || width == 0 || height == 0)
        return QRectF(image.rect());
    const double top = countFromBottom ? image.height() - y - std::abs(height) : y;
    return QRectF(x, top, std::abs(width), std::abs(height));
}

} // namespace picture::metafile
