#include "output/page_stream.h"

#include "output/output_error.h"

#include <QBuffer>
#include <QIODevice>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstring>

namespace output {

namespace {

// Limits that no real page comes near; a number beyond them is damage.
constexpr double kMaxInches = 1000.0;
constexpr double kMaxFontPoints = 2000.0;
constexpr quint32 kMaxImageSide = 16384;

[[noreturn]] void damaged()
{
    throw EReportError(QStringLiteral("The page stream is damaged and cannot be shown."));
}

class Decoder {
public:
    explicit Decoder(const QByteArray& bytes, std::size_t from = 0)
        : data_(bytes.constData()), size_(static_cast<std::size_t>(bytes.size())), pos_(from)
    {
    }

    bool atEnd() const { return pos_ == size_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return size_ - pos_; }

    void magic()
    {
        need(4);
        if (std::memcmp(data_, "QVPS", 4) != 0)
            damaged();
        pos_ = 4;
        if (u16() != kPageStreamVersion)
            throw EReportError(QStringLiteral("The page stream was written by another version and cannot be shown."));
    }

    quint8 u8() { need(1); return static_cast<quint8>(data_[pos_++]); }
    quint16 u16() { return raw<quint16>(); }
    quint32 u32() { return raw<quint32>(); }
    qint32 i32() { return raw<qint32>(); }

    double f64(double limit = kMaxInches)
    {
        const double value = std::bit_cast<double>(raw<quint64>());
        if (!std::isfinite(value) || std::fabs(value) > limit)
            damaged();
        return value;
    }

    template <typename E> E enumValue(int last)
    {
        const int value = u8();
        if (value > last)
            damaged();
        return static_cast<E>(value);
    }

    QPointF point() { const double x = f64(); return {x, f64()}; }

    QRectF rect()
    {
        const double x = f64(), y = f64(), w = f64(), h = f64();
        return {x, y, w, h};
    }

    QString text()
    {
        const quint32 count = u32();
        if (count > remaining() / 2)
            damaged();
        QString s(static_cast<qsizetype>(count), Qt::Uninitialized);
        for (quint32 i = 0; i < count; ++i)
            s[static_cast<qsizetype>(i)] = QChar(u16());
        return s;
    }

    QImage image()
    {
        const quint32 width = u32();
        const quint32 height = u32();
        if (width == 0 || height == 0)
            return {};
        if (width > kMaxImageSide || height > kMaxImageSide || std::uint64_t{width} * height > remaining() / 4)
            damaged();
        QImage img(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
        if (img.isNull())
            damaged();
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                line[x] = u32();
        }
        return img;
    }

private:
    void need(std::size_t count) const
    {
        if (count > remaining())
            damaged();
    }

    template <typename T> T raw()
    {
        need(sizeof(T));
        T value;
        std::memcpy(&value, data_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return qFromLittleEndian(value);
    }

    const char* data_;
    std::size_t size_;
    std::size_t pos_;
};

TFontSpec readFont(Decoder& in)
{
    TFontSpec font;
    font.name = in.text();
    font.size = in.f64(kMaxFontPoints);
    const quint8 flags = in.u8();
    font.bold = (flags & 1) != 0;
    font.italic = (flags & 2) != 0;
    font.underline = (flags & 4) != 0;
    font.strikeOut = (flags & 8) != 0;
    font.fixedPitch = (flags & 16) != 0;
    font.color = in.u32();
    font.angle = in.f64(360.0);
    return font;
}

TTextOp readText(Decoder& in)
{
    TTextOp op;
    op.position = in.point();
    op.text = in.text();
    op.font = readFont(in);
    op.align = in.enumValue<TTextAlign>(taRight);
    op.opaque = in.u8() != 0;
    if (in.u8() != 0)
        op.clip = in.rect();
    return op;
}

TShapeOp readShape(Decoder& in)
{
    TShapeOp op;
    op.kind = in.enumValue<TShapeKind>(skPolyline);
    op.rect = in.rect();
    op.start = in.point();
    op.end = in.point();
    const double cornerWidth = in.f64();
    op.corner = QSizeF(cornerWidth, in.f64());
    const quint32 count = in.u32();
    if (count > in.remaining() / 16)
        damaged();
    op.points.reserve(count);
    for (quint32 i = 0; i < count; ++i)
        op.points.push_back(in.point());
    op.pen.color = in.u32();
    op.pen.style = in.enumValue<TPenStyle>(psInsideFrame);
    op.pen.width = in.i32();
    if (op.pen.width < -10000 || op.pen.width > 10000)
        damaged();
    op.pen.mode = in.enumValue<TPenMode>(pmNot);
    op.brush.color = in.u32();
    op.brush.style = in.enumValue<TBrushStyle>(bsDiagCross);
    op.brush.pattern = in.image();
    return op;
}

TPageOp readOp(Decoder& in)
{
    switch (in.u8()) {
    case 1: return readText(in);
    case 2: return readShape(in);
    case 3: {
        TImageOp op;
        op.target = in.rect();
        op.image = in.image();
        return op;
    }
    default: damaged();
    }
}

TPage readPage(Decoder& in)
{
    if (in.u8() != 'P')
        damaged();
    TPage page;
    const double width = in.f64();
    page.size = QSizeF(width, in.f64());
    const quint32 count = in.u32();
    // The smallest operation takes more than 20 bytes.
    if (count > in.remaining() / 20)
        damaged();
    page.ops.reserve(count);
    for (quint32 i = 0; i < count; ++i)
        page.ops.push_back(readOp(in));
    return page;
}

QByteArray readDevice(QIODevice& device)
{
    if (!device.isOpen() || !device.isReadable() || !device.seek(0))
        throw EReportError(QStringLiteral("The page stream cannot be read."));
    // A memory stream hands over its bytes without a copy.
    if (auto* buffer = qobject_cast<QBuffer*>(&device))
        return buffer->data();
    return device.readAll();
}

} // namespace

TPageStreamReader::TPageStreamReader(QByteArray bytes) : bytes_(std::move(bytes))
{
    Decoder in(bytes_);
    in.magic();
    while (!in.atEnd()) {
        const std::size_t offset = in.position();
        pages_.push_back({offset, readPage(in).size});
    }
}

TPageStreamReader::TPageStreamReader(QIODevice& device) : TPageStreamReader(readDevice(device)) {}

TPage TPageStreamReader::page(int index) const
{
    Decoder in(bytes_, pages_.at(static_cast<std::size_t>(index)).offset);
    return readPage(in);
}

std::vector<TPage> ReadPageStream(const QByteArray& bytes)
{
    const TPageStreamReader reader(bytes);
    std::vector<TPage> pages;
    for (int i = 0; i < reader.pageCount(); ++i)
        pages.push_back(reader.page(i));
    return pages;
}

std::vector<TPage> ReadPageStream(QIODevice& device)
{
    return ReadPageStream(readDevice(device));
}

} // namespace output
