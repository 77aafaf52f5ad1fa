#include "output/page_stream.h"

#include <QIODevice>
#include <QtEndian>

#include <bit>
#include <cstring>

namespace output {

namespace {

class Encoder {
public:
    explicit Encoder(QByteArray& out) : out_(out) {}

    void u8(int value) { out_.append(static_cast<char>(value)); }
    void u16(quint16 value) { raw(qToLittleEndian(value)); }
    void u32(quint32 value) { raw(qToLittleEndian(value)); }
    void i32(qint32 value) { raw(qToLittleEndian(value)); }
    void f64(double value) { raw(qToLittleEndian(std::bit_cast<quint64>(value))); }
    void point(QPointF p) { f64(p.x()); f64(p.y()); }
    void rect(const QRectF& r) { f64(r.x()); f64(r.y()); f64(r.width()); f64(r.height()); }

    void text(const QString& s)
    {
        u32(static_cast<quint32>(s.size()));
        for (QChar c : s)
            u16(c.unicode());
    }

    void image(const QImage& source)
    {
        const QImage img = source.isNull() ? QImage() : source.convertToFormat(QImage::Format_ARGB32);
        u32(static_cast<quint32>(img.width()));
        u32(static_cast<quint32>(img.height()));
        for (int y = 0; y < img.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                u32(line[x]);
        }
    }

    void font(const TFontSpec& f)
    {
        text(f.name);
        f64(f.size);
        u8((f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strikeOut ? 8 : 0)
           | (f.fixedPitch ? 16 : 0));
        u32(f.color);
        f64(f.angle);
    }

    void pen(const TPenSpec& p) { u32(p.color); u8(p.style); i32(p.width); u8(p.mode); }
    void brush(const TBrushSpec& b) { u32(b.color); u8(b.style); image(b.pattern); }

    void op(const TTextOp& t)
    {
        u8(1);
        point(t.position);
        text(t.text);
        font(t.font);
        u8(t.align);
        u8(t.opaque ? 1 : 0);
        u8(t.clip ? 1 : 0);
        if (t.clip)
            rect(*t.clip);
    }

    void op(const TShapeOp& s)
    {
        u8(2);
        u8(s.kind);
        rect(s.rect);
        point(s.start);
        point(s.end);
        f64(s.corner.width());
        f64(s.corner.height());
        u32(static_cast<quint32>(s.points.size()));
        for (const QPointF& p : s.points)
            point(p);
        pen(s.pen);
        brush(s.brush);
    }

    void op(const TImageOp& i) { u8(3); rect(i.target); image(i.image); }

private:
    template <typename T> void raw(T value)
    {
        char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        out_.append(bytes, sizeof(T));
    }

    QByteArray& out_;
};

} // namespace

bool TPageStreamWriter::writeHeader()
{
    buffer_.clear();
    buffer_.append("QVPS", 4);
    Encoder(buffer_).u16(kPageStreamVersion);
    return device_.write(buffer_) == buffer_.size();
}

bool TPageStreamWriter::writePage(const TPage& page)
{
    buffer_.clear();
    Encoder encoder(buffer_);
    encoder.u8('P');
    encoder.f64(page.size.width());
    encoder.f64(page.size.height());
    encoder.u32(static_cast<quint32>(page.ops.size()));
    for (const TPageOp& op : page.ops)
        std::visit([&encoder](const auto& concrete) { encoder.op(concrete); }, op);
    return device_.write(buffer_) == buffer_.size();
}

} // namespace output
