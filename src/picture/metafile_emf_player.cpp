// Enhanced metafiles: records of a 32-bit type and a 32-bit size in bytes,
// the first being the header with the picture frame and the reference
// device's size in pixels and millimetres.
#include "picture/metafile_bytes.h"
#include "picture/metafile_canvas.h"
#include "picture/metafile_dib.h"
#include "picture/metafile_emf_objects.h"
#include "picture/metafile_player.h"
#include "store/cp1252.h"

namespace picture::metafile {

namespace {

constexpr qint64 kRecordHeader = 8;
constexpr std::uint32_t kHeaderRecord = 1;

using TArc = TMetafileCanvas::TArcKind;

enum TEmfRecord : std::uint32_t {
    POLYBEZIER = 2, POLYGON = 3, POLYLINE = 4, POLYBEZIERTO = 5, POLYLINETO = 6, POLYPOLYLINE = 7,
    POLYPOLYGON = 8, SETWINDOWEXTEX = 9, SETWINDOWORGEX = 10, SETVIEWPORTEXTEX = 11, SETVIEWPORTORGEX = 12,
    EOF_RECORD = 14, SETMAPMODE = 17, SETBKMODE = 18, SETPOLYFILLMODE = 19, SETTEXTALIGN = 22,
    SETTEXTCOLOR = 24, SETBKCOLOR = 25, MOVETOEX = 27, SAVEDC = 33, RESTOREDC = 34, SETWORLDTRANSFORM = 35,
    MODIFYWORLDTRANSFORM = 36, SELECTOBJECT = 37, ELLIPSE = 42, RECTANGLE = 43, ROUNDRECT = 44, ARC = 45,
    CHORD = 46, PIE = 47, LINETO = 54, BEGINPATH = 59, ENDPATH = 60, CLOSEFIGURE = 61, FILLPATH = 62,
    STROKEANDFILLPATH = 63, STROKEPATH = 64, ABORTPATH = 68, EXCLUDECLIPRECT = 29, INTERSECTCLIPRECT = 30,
    ARCTO = 55, SETARCDIRECTION = 57, SELECTCLIPPATH = 67, EXTSELECTCLIPRGN = 75, BITBLT = 76, STRETCHBLT = 77,
    STRETCHDIBITS = 81, EXTTEXTOUTA = 83, EXTTEXTOUTW = 84, POLYBEZIER16 = 85, POLYGON16 = 86,
    POLYLINE16 = 87, POLYBEZIERTO16 = 88, POLYLINETO16 = 89, POLYPOLYLINE16 = 90, POLYPOLYGON16 = 91,
};

QRectF BoxAt(const TRecordBytes& r, qint64 at) { return QRectF(r.Point32(at), r.Point32(at + 8)); }

QPointF PointAt(const TRecordBytes& r, qint64 at, bool small) { return small ? r.Point16(at) : r.Point32(at); }

QPolygonF Points(const TRecordBytes& r, qint64 at, qint64 count, bool small)
{
    const qint64 step = small ? 4 : 8;
    QPolygonF points;
    if (!r.Fits(at, count * step))
        return points;
    points.reserve(count);
    for (qint64 i = 0; i < count; ++i)
        points.append(PointAt(r, at + step * i, small));
    return points;
}

QTransform TransformAt(const TRecordBytes& r, qint64 at)
{
    return QTransform(r.F32(at), r.F32(at + 4), r.F32(at + 8), r.F32(at + 12), r.F32(at + 16), r.F32(at + 20));
}

// The reference device's pixels per millimetre, and the frame in its pixels.
QSizeF DeviceResolution(const TRecordBytes& header)
{
    const double widthMm = header.S32(80), heightMm = header.S32(84);
    const double widthPx = header.S32(72), heightPx = header.S32(76);
    if (widthMm <= 0 || heightMm <= 0 || widthPx <= 0 || heightPx <= 0)
        return QSizeF(96 / 25.4, 96 / 25.4);
    return QSizeF(widthPx / widthMm, heightPx / heightMm);
}

QRectF FrameInPixels(const TRecordBytes& header, QSizeF pixelsPerMm)
{
    const QRectF frame = BoxAt(header, 24);
    if (frame.width() > 0 && frame.height() > 0)
        return QRectF(QPointF(frame.left() * pixelsPerMm.width() / 100, frame.top() * pixelsPerMm.height() / 100),
                      QPointF(frame.right() * pixelsPerMm.width() / 100, frame.bottom() * pixelsPerMm.height() / 100));
    // Bounds are inclusive device pixels.
    const QRectF bounds = BoxAt(header, 8);
    return QRectF(bounds.topLeft(), bounds.bottomRight() + QPointF(1, 1));
}

QTransform FrameToTarget(const QRectF& frame, const QRectF& target)
{
    return QTransform::fromTranslate(-frame.left(), -frame.top()) *
           QTransform::fromScale(target.width() / frame.width(), target.height() / frame.height()) *
           QTransform::fromTranslate(target.left(), target.top());
}

class TEmfPlayer {
public:
    TEmfPlayer(QByteArrayView data, QPainter& painter, const QRectF& target, const QRectF& frame, QSizeF resolution)
        : data_(data), canvas_(painter, FrameToTarget(frame, target))
    {
        canvas_.SetDeviceResolution(resolution);
    }

    TPlayResult Play()
    {
        const TRecordBytes file(data_);
        qint64 at = file.U32(4);
        for (int count = 0; count < kMaxRecords; ++count) {
            if (canvas_.Exhausted())
                return {canvas_.DrewSomething(), true};
            const std::uint32_t type = file.U32(at);
            const qint64 size = file.U32(at + 4);
            if (size < kRecordHeader || !file.Fits(at, size))
                return {canvas_.DrewSomething(), true};
            if (type == EOF_RECORD)
                break;
            PlayRecord(type, TRecordBytes(file.Slice(at, size)));
            at += size;
        }
        return {canvas_.DrewSomething(), false};
    }

private:
    void PlayRecord(std::uint32_t type, const TRecordBytes& r)
    {
        if (objects_.Play(type, r) || PlayState(type, r) || PlayLines(type, r) || PlayShape(type, r) ||
            PlayClip(type, r))
            return;
        PlayTextOrBitmap(type, r);
    }

    bool PlayState(std::uint32_t type, const TRecordBytes& r)
    {
        auto& state = canvas_.State();
        switch (type) {
        case SAVEDC: canvas_.SaveState(); break;
        case RESTOREDC: canvas_.RestoreState(r.S32(8)); break;
        case SETMAPMODE: state.mapMode = static_cast<int>(r.U32(8)); break;
        case SETWINDOWEXTEX: state.windowExt = QSizeF(r.S32(8), r.S32(12)); break;
        case SETWINDOWORGEX: state.windowOrg = r.Point32(8); break;
        case SETVIEWPORTEXTEX: state.viewportExt = QSizeF(r.S32(8), r.S32(12)); break;
        case SETVIEWPORTORGEX: state.viewportOrg = r.Point32(8); break;
        case SETBKMODE: state.opaqueBackground = r.U32(8) == 2; break;
        case SETBKCOLOR: state.backColor = ColorFromRef(r.U32(8)); break;
        case SETTEXTCOLOR: state.textColor = ColorFromRef(r.U32(8)); break;
        case SETTEXTALIGN: state.textAlign = r.U32(8); break;
        case SETPOLYFILLMODE: state.fillRule = r.U32(8) == 2 ? Qt::WindingFill : Qt::OddEvenFill; break;
        case SETWORLDTRANSFORM: state.world = TransformAt(r, 8); break;
        case MODIFYWORLDTRANSFORM: ModifyWorld(TransformAt(r, 8), r.U32(32)); break;
        case SELECTOBJECT:
            if (const TGdiObject* object = objects_.Find(r.U32(8)))
                canvas_.Select(*object);
            break;
        default: return false;
        }
        return true;
    }

    void ModifyWorld(const QTransform& change, std::uint32_t mode)
    {
        QTransform& world = canvas_.State().world;
        switch (mode) {
        case 1: world.reset(); break;
        case 2: world = change * world; break;
        case 3: world = world * change; break;
        case 4: world = change; break;
        default: break;
        }
    }

    bool PlayLines(std::uint32_t type, const TRecordBytes& r)
    {
        const bool small = type >= POLYBEZIER16;
        const auto points = [&] { return Points(r, 28, r.U32(24), small); };
        switch (type) {
        case MOVETOEX: canvas_.MoveTo(r.Point32(8)); break;
        case LINETO: canvas_.LineTo(r.Point32(8)); break;
        case POLYLINE: case POLYLINE16: canvas_.Polyline(points()); break;
        case POLYLINETO: case POLYLINETO16: canvas_.PolylineTo(points()); break;
        case POLYBEZIER: case POLYBEZIER16: canvas_.PolyBezier(points(), false); break;
        case POLYBEZIERTO: case POLYBEZIERTO16: canvas_.PolyBezier(points(), true); break;
        case POLYGON: case POLYGON16: canvas_.Polygon(points()); break;
        case POLYPOLYLINE: case POLYPOLYLINE16: canvas_.PolyPolyline(Polys(r, small)); break;
        case POLYPOLYGON: case POLYPOLYGON16: canvas_.PolyPolygon(Polys(r, small)); break;
        default: return false;
        }
        return true;
    }

    // Number of figures, total points, each figure's count, then the points.
    static std::vector<QPolygonF> Polys(const TRecordBytes& r, bool small)
    {
        const qint64 figures = r.U32(24);
        const qint64 total = r.U32(28);
        qint64 at = 32 + 4 * figures;
        if (!r.Fits(32, 4 * figures) || !r.Fits(at, total * (small ? 4 : 8)))
            return {};
        std::vector<QPolygonF> polys;
        qint64 used = 0;
        for (qint64 i = 0; i < figures; ++i) {
            const qint64 count = r.U32(32 + 4 * i);
            if (count > total - used)
                break;
            polys.push_back(Points(r, at, count, small));
            at += count * (small ? 4 : 8);
            used += count;
        }
        return polys;
    }

    bool PlayShape(std::uint32_t type, const TRecordBytes& r)
    {
        switch (type) {
        case RECTANGLE: canvas_.Rectangle(BoxAt(r, 8)); break;
        case ROUNDRECT: canvas_.RoundRect(BoxAt(r, 8), QSizeF(r.S32(24), r.S32(28))); break;
        case ELLIPSE: canvas_.Ellipse(BoxAt(r, 8)); break;
        case ARC: canvas_.ArcShape(TArc::Arc, BoxAt(r, 8), r.Point32(24), r.Point32(32)); break;
        case CHORD: canvas_.ArcShape(TArc::Chord, BoxAt(r, 8), r.Point32(24), r.Point32(32)); break;
        case PIE: canvas_.ArcShape(TArc::Pie, BoxAt(r, 8), r.Point32(24), r.Point32(32)); break;
        case ARCTO: canvas_.ArcShape(TArc::ArcTo, BoxAt(r, 8), r.Point32(24), r.Point32(32)); break;
        case BEGINPATH: canvas_.BeginPath(); break;
        case ENDPATH: canvas_.EndPath(); break;
        case CLOSEFIGURE: canvas_.CloseFigure(); break;
        case ABORTPATH: canvas_.AbortPath(); break;
        case FILLPATH: canvas_.FillPath(); break;
        case STROKEPATH: canvas_.StrokePath(); break;
        case STROKEANDFILLPATH: canvas_.StrokeAndFillPath(); break;
        default: return false;
        }
        return true;
    }

    bool PlayClip(std::uint32_t type, const TRecordBytes& r)
    {
        switch (type) {
        case INTERSECTCLIPRECT: canvas_.IntersectClip(BoxAt(r, 8)); break;
        case EXCLUDECLIPRECT: canvas_.ExcludeClip(BoxAt(r, 8)); break;
        case SELECTCLIPPATH: canvas_.SelectClipPath(static_cast<int>(r.U32(8))); break;
        case EXTSELECTCLIPRGN: canvas_.SelectClipRegion(static_cast<int>(r.U32(12)), RegionRects(r)); break;
        case SETARCDIRECTION: canvas_.State().clockwiseArcs = r.U32(8) == 2; break;
        default: return false;
        }
        return true;
    }

    // A region's data: a 32-byte header with the count, then the rectangles.
    static std::vector<QRectF> RegionRects(const TRecordBytes& r)
    {
        constexpr qint64 kRects = 48;
        const qint64 dataSize = r.U32(8);
        if (dataSize == 0)
            return {};
        const qint64 count = std::min<qint64>(r.U32(24), (r.Size() - kRects) / 16);
        std::vector<QRectF> rects;
        for (qint64 i = 0; i < count; ++i)
            rects.push_back(BoxAt(r, kRects + 16 * i));
        return rects;
    }

    void PlayTextOrBitmap(std::uint32_t type, const TRecordBytes& r)
    {
        switch (type) {
        case EXTTEXTOUTW:
        case EXTTEXTOUTA: PlayText(r, type == EXTTEXTOUTW); break;
        case STRETCHDIBITS: PlayStretchDibits(r); break;
        case BITBLT:
        case STRETCHBLT: PlayBitBlt(r, type == STRETCHBLT); break;
        default: break; // not drawing, or not used by pictures
        }
    }

    // The EMRTEXT part: reference point, count, string offset, options and
    // the opaque rectangle.
    void PlayText(const TRecordBytes& r, bool wide)
    {
        constexpr std::uint32_t kOpaque = 0x2;
        const qint64 count = r.U32(44);
        const qint64 offset = r.U32(48);
        const QString text = wide ? r.Utf16(offset, std::min<qint64>(count, r.Size() / 2))
                                  : quorvel::fromCp1252(r.Slice(offset, std::min<qint64>(count, r.Size() - offset)));
        std::optional<QRectF> opaque;
        if (r.U32(52) & kOpaque)
            opaque = BoxAt(r, 56);
        canvas_.Text(r.Point32(36), text, opaque);
    }

    void PlayStretchDibits(const TRecordBytes& r)
    {
        const TDib dib = DecodeDib(r.Slice(r.U32(48), r.U32(52)), r.Slice(r.U32(56), r.U32(60)));
        const QRectF target(r.Point32(24), QSizeF(r.S32(72), r.S32(76)));
        const QRectF from = DibSourceRect(dib.image, dib.bottomUp, r.S32(32), r.S32(36), r.S32(40), r.S32(44));
        canvas_.Blit(TMetafileCanvas::BlitFor(r.U32(68)), target, dib.image, from);
    }

    // Without a bitmap (no BITMAPINFO) the transfer paints with the brush.
    void PlayBitBlt(const TRecordBytes& r, bool stretched)
    {
        const TDib dib = DecodeDib(r.Slice(r.U32(84), r.U32(88)), r.Slice(r.U32(92), r.U32(96)));
        const QRectF target(r.Point32(24), QSizeF(r.S32(32), r.S32(36)));
        const QSizeF sourceSize = stretched ? QSizeF(r.S32(100), r.S32(104)) : target.size();
        const QRectF from(r.Point32(44), sourceSize);
        canvas_.Blit(TMetafileCanvas::BlitFor(r.U32(40)), target, dib.image, from);
    }

    QByteArrayView data_;
    TMetafileCanvas canvas_;
    TEmfObjects objects_;
};

} // namespace

TPlayResult PlayEnhanced(QByteArrayView data, QPainter& painter, const QRectF& target)
{
    constexpr qint64 kMinHeader = 88;
    const TRecordBytes file(data);
    const qint64 headerSize = file.U32(4);
    if (file.U32(0) != kHeaderRecord || headerSize < kMinHeader || !file.Fits(0, headerSize))
        return {false, true};
    const TRecordBytes header(file.Slice(0, headerSize));
    const QSizeF resolution = DeviceResolution(header);
    const QRectF frame = FrameInPixels(header, resolution);
    if (frame.width() <= 0 || frame.height() <= 0 || target.isEmpty())
        return {false, true};
    return TEmfPlayer(data, painter, target, frame, resolution).Play();
}

} // namespace picture::metafile
