#include "picture/pcx_decoder.h"

#include <QVector>

#include <cstdint>
#include <optional>

namespace picture {

namespace {

constexpr qsizetype kHeaderSize = 128;
// Larger pictures are not labels or logos; refusing them keeps a damaged
// header from asking for gigabytes.
constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

struct PcxHeader {
    int bitsPerPixel = 0;
    int planes = 0;
    int bytesPerLine = 0;
    int width = 0;
    int height = 0;
    QVector<QRgb> egaPalette; // 16 entries from the header
};

int U8(QByteArrayView file, qsizetype at) { return static_cast<std::uint8_t>(file[at]); }
int U16(QByteArrayView file, qsizetype at) { return U8(file, at) | (U8(file, at + 1) << 8); }

bool SupportedDepth(int bits, int planes)
{
    return (bits == 1 && planes >= 1 && planes <= 4) || (bits == 8 && (planes == 1 || planes == 3));
}

std::optional<PcxHeader> ReadHeader(QByteArrayView file)
{
    if (file.size() < kHeaderSize || U8(file, 0) != 0x0A || U8(file, 2) != 1)
        return std::nullopt;
    PcxHeader header;
    header.bitsPerPixel = U8(file, 3);
    header.width = U16(file, 8) - U16(file, 4) + 1;
    header.height = U16(file, 10) - U16(file, 6) + 1;
    header.planes = U8(file, 65);
    header.bytesPerLine = U16(file, 66);
    if (!SupportedDepth(header.bitsPerPixel, header.planes) || header.width <= 0 || header.height <= 0 ||
        header.width > kMaxSide || header.height > kMaxSide ||
        static_cast<qint64>(header.width) * header.height > kMaxPixels ||
        header.bytesPerLine * 8 < header.width * header.bitsPerPixel)
        return std::nullopt;
    for (int i = 0; i < 16; ++i)
        header.egaPalette.append(qRgb(U8(file, 16 + 3 * i), U8(file, 17 + 3 * i), U8(file, 18 + 3 * i)));
    return header;
}

// The run-length coded scan lines: a byte with its two top bits set repeats
// the next byte (its low six bits) times; any other byte stands for itself.
class RunLengthReader {
public:
    RunLengthReader(QByteArrayView file, qsizetype start) : file_(file), at_(start) {}

    // Fills the line; false when the data ends first.
    bool ReadLine(QByteArray& line)
    {
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (repeat_ == 0 && !NextRun())
                return false;
            line[i] = static_cast<char>(value_);
            --repeat_;
        }
        return true;
    }

private:
    bool NextRun()
    {
        // A run of length zero stands for nothing; skip it.
        while (at_ < file_.size()) {
            const int byte = U8(file_, at_++);
            if ((byte & 0xC0) != 0xC0) {
                value_ = byte;
                repeat_ = 1;
                return true;
            }
            if (at_ >= file_.size())
                return false;
            value_ = U8(file_, at_++);
            repeat_ = byte & 0x3F;
            if (repeat_ > 0)
                return true;
        }
        return false;
    }

    QByteArrayView file_;
    qsizetype at_;
    int value_ = 0;
    int repeat_ = 0;
};

int PlanarIndex(const QByteArray& line, int bytesPerLine, int planes, int x)
{
    int index = 0;
    for (int plane = 0; plane < planes; ++plane) {
        const int byte = static_cast<std::uint8_t>(line[plane * bytesPerLine + x / 8]);
        index |= ((byte >> (7 - x % 8)) & 1) << plane;
    }
    return index;
}

QVector<QRgb> PlanarPalette(const PcxHeader& header)
{
    if (header.planes == 1)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    QVector<QRgb> palette = header.egaPalette;
    palette.resize(1 << header.planes);
    return palette;
}

// 256 colours: the palette is the last 769 bytes, a 12 and 768 RGB bytes.
std::optional<QVector<QRgb>> TrailingPalette(QByteArrayView file)
{
    constexpr qsizetype kSize = 769;
    if (file.size() < kHeaderSize + kSize || U8(file, file.size() - kSize) != 0x0C)
        return std::nullopt;
    QVector<QRgb> palette;
    const qsizetype start = file.size() - kSize + 1;
    for (int i = 0; i < 256; ++i)
        palette.append(qRgb(U8(file, start + 3 * i), U8(file, start + 3 * i + 1), U8(file, start + 3 * i + 2)));
    return palette;
}

void StoreLine(QImage& image, const PcxHeader& header, const QByteArray& line, int y)
{
    const int bpl = header.bytesPerLine;
    if (header.bitsPerPixel == 8 && header.planes == 3) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < header.width; ++x)
            out[x] = qRgb(static_cast<std::uint8_t>(line[x]), static_cast<std::uint8_t>(line[bpl + x]),
                          static_cast<std::uint8_t>(line[2 * bpl + x]));
        return;
    }
    uchar* out = image.scanLine(y);
    for (int x = 0; x < header.width; ++x)
        out[x] = header.bitsPerPixel == 8 ? static_cast<uchar>(line[x])
                                          : static_cast<uchar>(PlanarIndex(line, bpl, header.planes, x));
}

QImage NewImage(const PcxHeader& header, QByteArrayView file)
{
    if (header.bitsPerPixel == 8 && header.planes == 3)
        return QImage(header.width, header.height, QImage::Format_RGB32);
    QImage image(header.width, header.height, QImage::Format_Indexed8);
    if (header.bitsPerPixel == 8) {
        const std::optional<QVector<QRgb>> palette = TrailingPalette(file);
        if (!palette)
            return {};
        image.setColorTable(*palette);
    } else {
        image.setColorTable(PlanarPalette(header));
    }
    return image;
}

} // namespace

QImage DecodePcx(QByteArrayView file)
{
    const std::optional<PcxHeader> header = ReadHeader(file);
    if (!header)
        return {};
    QImage image = NewImage(*header, file);
    if (image.isNull())
        return {};
    RunLengthReader reader(file, kHeaderSize);
    QByteArray line(static_cast<qsizetype>(header->bytesPerLine) * header->planes, '\0');
    for (int y = 0; y < header->height; ++y) {
        if (!reader.ReadLine(line))
            return {};
        StoreLine(image, *header, line, y);
    }
    return image;
}

} // namespace picture
