// Placeable Windows metafiles: a 22-byte placeable header with the bounding
// box, the 18-byte metafile header, then records of a 32-bit size in 16-bit
// words, a 16-bit function number and the parameters.
#include "picture/metafile_bytes.h"
#include "picture/metafile_canvas.h"
#include "picture/metafile_dib.h"
#include "picture/metafile_object_table.h"
#include "picture/metafile_player.h"
#include "store/cp1252.h"

namespace picture::metafile {

namespace {

constexpr qsizetype kPlaceableSize = 22;
constexpr qsizetype kHeaderSize = 18;
constexpr qint64 kParams = 6;
constexpr std::size_t kMaxObjects = 4096;

using TArc = TMetafileCanvas::TArcKind;

enum TWmfFunction : std::uint16_t {
    EOF_RECORD = 0x0000, SAVEDC = 0x001E, CREATEPALETTE = 0x00F7, SETBKMODE = 0x0102, SETMAPMODE = 0x0103,
    SETPOLYFILLMODE = 0x0106, RESTOREDC = 0x0127, SELECTOBJECT = 0x012D, SETTEXTALIGN = 0x012E,
    DIBCREATEPATTERNBRUSH = 0x0142, DELETEOBJECT = 0x01F0, CREATEPATTERNBRUSH = 0x01F9, SETBKCOLOR = 0x0201,
    SETTEXTCOLOR = 0x0209, SETWINDOWORG = 0x020B, SETWINDOWEXT = 0x020C, OFFSETWINDOWORG = 0x020F,
    LINETO = 0x0213, MOVETO = 0x0214, CREATEPENINDIRECT = 0x02FA, CREATEFONTINDIRECT = 0x02FB,
    CREATEBRUSHINDIRECT = 0x02FC, POLYGON = 0x0324, POLYLINE = 0x0325, SCALEWINDOWEXT = 0x0410,
    ELLIPSE = 0x0418, RECTANGLE = 0x041B, TEXTOUT = 0x0521, POLYPOLYGON = 0x0538, ROUNDRECT = 0x061C,
    CREATEREGION = 0x06FF, ARC = 0x0817, PIE = 0x081A, CHORD = 0x0830, DIBBITBLT = 0x0940,
    EXTTEXTOUT = 0x0A32, DIBSTRETCHBLT = 0x0B41, STRETCHDIB = 0x0F43, EXCLUDECLIPRECT = 0x0415,
    INTERSECTCLIPRECT = 0x0416,
};

// The rectangles of WMF records list bottom, right, top, left.
QRectF BoxAt(const TRecordBytes& r, qint64 at)
{
    return QRectF(QPointF(r.S16(at + 6), r.S16(at + 4)), QPointF(r.S16(at + 2), r.S16(at)));
}

// WMF points are (x, y) in arrays but (y, x) as single parameters.
QPointF YXPoint(const TRecordBytes& r, qint64 at) { return QPointF(r.S16(at + 2), r.S16(at)); }

QPolygonF Points(const TRecordBytes& r, qint64 at, qint64 count)
{
    QPolygonF points;
    if (!r.Fits(at, count * 4))
        return points;
    points.reserve(count);
    for (qint64 i = 0; i < count; ++i)
        points.append(r.Point16(at + 4 * i));
    return points;
}

class TWmfPlayer {
public:
    TWmfPlayer(QByteArrayView data, QPainter& painter, const QRectF& target)
        : data_(data), canvas_(painter, QTransform())
    {
        const TRecordBytes file(data);
        const QRectF box(QPointF(file.S16(6), file.S16(8)), QPointF(file.S16(10), file.S16(12)));
        auto& state = canvas_.State();
        state.mapMode = TMetafileCanvas::MM_ANISOTROPIC;
        state.viewportOrg = target.topLeft();
        state.viewportExt = target.size();
        state.windowOrg = box.topLeft();
        state.windowExt = box.size();
    }

    TPlayResult Play()
    {
        const TRecordBytes file(data_);
        const bool headerSound = (file.U16(kPlaceableSize) == 1 || file.U16(kPlaceableSize) == 2) &&
                                 file.U16(kPlaceableSize + 2) == kHeaderSize / 2;
        if (!headerSound)
            return {false, true};
        qint64 at = kPlaceableSize + kHeaderSize;
        for (int count = 0; count < kMaxRecords; ++count) {
            if (canvas_.Exhausted())
                return {canvas_.DrewSomething(), true};
            const qint64 size = 2 * static_cast<qint64>(file.U32(at));
            if (size < kParams || !file.Fits(at, size))
                return {canvas_.DrewSomething(), true};
            const TRecordBytes record(file.Slice(at, size));
            const std::uint16_t function = record.U16(4);
            if (function == EOF_RECORD)
                break;
            PlayRecord(function, record);
            at += size;
        }
        return {canvas_.DrewSomething(), false};
    }

private:
    void PlayRecord(std::uint16_t function, const TRecordBytes& r)
    {
        if (PlayState(function, r) || PlayObject(function, r) || PlayShape(function, r))
            return;
        PlayTextOrBitmap(function, r);
    }

    bool PlayState(std::uint16_t function, const TRecordBytes& r)
    {
        auto& state = canvas_.State();
        switch (function) {
        case SAVEDC: canvas_.SaveState(); break;
        case RESTOREDC: canvas_.RestoreState(r.S16(kParams)); break;
        case SETBKMODE: state.opaqueBackground = r.U16(kParams) == 2; break;
        case SETBKCOLOR: state.backColor = ColorFromRef(r.U32(kParams)); break;
        case SETTEXTCOLOR: state.textColor = ColorFromRef(r.U32(kParams)); break;
        case SETTEXTALIGN: state.textAlign = r.U16(kParams); break;
        case SETPOLYFILLMODE: state.fillRule = r.U16(kParams) == 2 ? Qt::WindingFill : Qt::OddEvenFill; break;
        case SETMAPMODE:
            // Played into a frame, only the choice of keeping the aspect matters.
            state.mapMode = r.U16(kParams) == TMetafileCanvas::MM_ISOTROPIC ? TMetafileCanvas::MM_ISOTROPIC
                                                                             : TMetafileCanvas::MM_ANISOTROPIC;
            break;
        case SETWINDOWORG: state.windowOrg = YXPoint(r, kParams); break;
        case SETWINDOWEXT: {
            const QPointF extent = YXPoint(r, kParams);
            state.windowExt = QSizeF(extent.x(), extent.y());
            break;
        }
        case OFFSETWINDOWORG: state.windowOrg += YXPoint(r, kParams); break;
        case SCALEWINDOWEXT: {
            const double xNum = r.S16(kParams + 6), xDenom = r.S16(kParams + 4);
            const double yNum = r.S16(kParams + 2), yDenom = r.S16(kParams);
            if (xDenom != 0 && yDenom != 0)
                state.windowExt = QSizeF(state.windowExt.width() * xNum / xDenom,
                                         state.windowExt.height() * yNum / yDenom);
            break;
        }
        default: return false;
        }
        return true;
    }

    bool PlayObject(std::uint16_t function, const TRecordBytes& r)
    {
        switch (function) {
        case CREATEPENINDIRECT:
            objects_.Insert(PenObject(MakePen(r.U16(kParams), r.S16(kParams + 2), ColorFromRef(r.U32(kParams + 6)))));
            break;
        case CREATEBRUSHINDIRECT:
            objects_.Insert(BrushObject(MakeBrush(r.U16(kParams), ColorFromRef(r.U32(kParams + 2)), r.U16(kParams + 6))));
            break;
        case CREATEFONTINDIRECT: objects_.Insert(FontObject(ReadFont(r))); break;
        case DIBCREATEPATTERNBRUSH: {
            const QImage pattern = DecodePackedDib(r.Slice(kParams + 4, r.Size() - kParams - 4)).image;
            objects_.Insert(BrushObject(pattern.isNull() ? QBrush(Qt::gray) : QBrush(pattern)));
            break;
        }
        case CREATEPATTERNBRUSH: objects_.Insert(BrushObject(QBrush(Qt::gray))); break;
        case CREATEPALETTE:
        case CREATEREGION: objects_.Insert(TGdiObject()); break;
        case SELECTOBJECT:
            if (const TGdiObject* object = objects_.Find(r.U16(kParams)))
                canvas_.Select(*object);
            break;
        case DELETEOBJECT: objects_.Remove(r.U16(kParams)); break;
        default: return false;
        }
        return true;
    }

    static TFontSpec ReadFont(const TRecordBytes& r)
    {
        TFontSpec font;
        font.height = r.S16(kParams);
        font.escapement = r.S16(kParams + 4);
        font.weight = r.S16(kParams + 8);
        font.italic = r.U8(kParams + 10) != 0;
        font.underline = r.U8(kParams + 11) != 0;
        font.strikeOut = r.U8(kParams + 12) != 0;
        const QByteArrayView face = r.Slice(kParams + 18, std::min<qint64>(32, r.Size() - kParams - 18));
        const qsizetype end = face.indexOf('\0');
        if (const QString name = quorvel::fromCp1252(end < 0 ? face : face.first(end)); !name.isEmpty())
            font.face = name;
        return font;
    }

    bool PlayShape(std::uint16_t function, const TRecordBytes& r)
    {
        switch (function) {
        case MOVETO: canvas_.MoveTo(YXPoint(r, kParams)); break;
        case LINETO: canvas_.LineTo(YXPoint(r, kParams)); break;
        case POLYLINE: canvas_.Polyline(Points(r, kParams + 2, r.U16(kParams))); break;
        case POLYGON: canvas_.Polygon(Points(r, kParams + 2, r.U16(kParams))); break;
        case POLYPOLYGON: PlayPolyPolygon(r); break;
        case RECTANGLE: canvas_.Rectangle(BoxAt(r, kParams)); break;
        case ROUNDRECT: {
            const QPointF corner = YXPoint(r, kParams);
            canvas_.RoundRect(BoxAt(r, kParams + 4), QSizeF(corner.x(), corner.y()));
            break;
        }
        case ELLIPSE: canvas_.Ellipse(BoxAt(r, kParams)); break;
        case INTERSECTCLIPRECT: canvas_.IntersectClip(BoxAt(r, kParams)); break;
        case EXCLUDECLIPRECT: canvas_.ExcludeClip(BoxAt(r, kParams)); break;
        case ARC: PlayArc(TArc::Arc, r); break;
        case PIE: PlayArc(TArc::Pie, r); break;
        case CHORD: PlayArc(TArc::Chord, r); break;
        default: return false;
        }
        return true;
    }

    void PlayArc(TArc kind, const TRecordBytes& r)
    {
        canvas_.ArcShape(kind, BoxAt(r, kParams + 8), YXPoint(r, kParams + 4), YXPoint(r, kParams));
    }

    void PlayPolyPolygon(const TRecordBytes& r)
    {
        const qint64 polygons = r.U16(kParams);
        qint64 at = kParams + 2 + 2 * polygons;
        if (!r.Fits(kParams + 2, 2 * polygons))
            return;
        std::vector<QPolygonF> shapes;
        for (qint64 i = 0; i < polygons; ++i) {
            const qint64 count = r.U16(kParams + 2 + 2 * i);
            if (!r.Fits(at, 4 * count))
                return;
            shapes.push_back(Points(r, at, count));
            at += 4 * count;
        }
        canvas_.PolyPolygon(shapes);
    }

    void PlayTextOrBitmap(std::uint16_t function, const TRecordBytes& r)
    {
        switch (function) {
        case TEXTOUT: {
            const qint64 length = r.U16(kParams);
            const qint64 padded = length + (length & 1);
            canvas_.Text(YXPoint(r, kParams + 2 + padded), quorvel::fromCp1252(r.Slice(kParams + 2, length)), std::nullopt);
            break;
        }
        case EXTTEXTOUT: PlayExtTextOut(r); break;
        case STRETCHDIB: PlayDib(r, kParams + 6, kParams + 14, true); break;
        case DIBSTRETCHBLT: {
            // Without a bitmap a reserved word comes before the destination.
            const bool withBitmap = r.Size() != 2 * ((DIBSTRETCHBLT >> 8) + 3);
            PlayDib(r, kParams + 4, kParams + (withBitmap ? 12 : 14), false);
            break;
        }
        case DIBBITBLT: PlayBitBlt(r); break;
        default: break; // not drawing, or not used by pictures
        }
    }

    void PlayExtTextOut(const TRecordBytes& r)
    {
        constexpr std::uint16_t kOpaque = 0x2;
        constexpr std::uint16_t kClipped = 0x4;
        const QPointF at = YXPoint(r, kParams);
        const qint64 length = r.U16(kParams + 4);
        const std::uint16_t options = r.U16(kParams + 6);
        qint64 text = kParams + 8;
        std::optional<QRectF> opaque;
        if (options & (kOpaque | kClipped)) {
            const QRectF box(QPointF(r.S16(text), r.S16(text + 2)), QPointF(r.S16(text + 4), r.S16(text + 6)));
            if (options & kOpaque)
                opaque = box;
            text += 8;
        }
        canvas_.Text(at, quorvel::fromCp1252(r.Slice(text, length)), opaque);
    }

    // The parameters from source height on: source height, width, y, x,
    // then (at dest) destination height, width, y, x, then the DIB.
    void PlayDib(const TRecordBytes& r, qint64 source, qint64 dest, bool countFromBottom)
    {
        const qint64 dibAt = dest + 8;
        const TDib dib = DecodePackedDib(r.Slice(dibAt, r.Size() - dibAt));
        const QRectF target(YXPoint(r, dest + 4), QSizeF(r.S16(dest + 2), r.S16(dest)));
        const QRectF from = DibSourceRect(dib.image, countFromBottom && dib.bottomUp, r.S16(source + 6),
                                          r.S16(source + 4), r.S16(source + 2), r.S16(source));
        canvas_.Blit(TMetafileCanvas::BlitFor(r.U32(kParams)), target, dib.image, from);
    }

    // Without a bitmap the record paints with the brush, and carries one
    // reserved word before the destination.
    void PlayBitBlt(const TRecordBytes& r)
    {
        const bool withBitmap = r.Size() != 2 * ((DIBBITBLT >> 8) + 3);
        const qint64 dest = kParams + (withBitmap ? 8 : 10);
        const QRectF target(YXPoint(r, dest + 4), QSizeF(r.S16(dest + 2), r.S16(dest)));
        const TDib dib = withBitmap ? DecodePackedDib(r.Slice(dest + 8, r.Size() - dest - 8)) : TDib();
        const QRectF from(r.S16(kParams + 6), r.S16(kParams + 4), target.width(), target.height());
        canvas_.Blit(TMetafileCanvas::BlitFor(r.U32(kParams)), target, dib.image, from);
    }

    QByteArrayView data_;
    TMetafileCanvas canvas_;
    TObjectTable objects_{kMaxObjects};
};

} // namespace

TPlayResult PlayPlaceable(QByteArrayView data, QPainter& painter, const QRectF& target)
{
    if (data.size() < kPlaceableSize + kHeaderSize)
        return {false, true};
    return TWmfPlayer(data, painter, target).Play();
}

} // namespace picture::metafile
