#pragma once

#include "picture/metafile_gdi.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <optional>
#include <vector>

namespace picture::metafile {

// The device context a metafile draws into: the selected objects, colours
// and modes, the window/viewport mapping and world transform, and the
// current position, with a bounded stack for SAVEDC/RESTOREDC. Records are
// turned into calls on this class in logical coordinates; it maps them
// through the mapping onto the painter.
class TMetafileCanvas {
public:
    enum class TArcKind { Arc, ArcTo, Pie, Chord };
    // How a new clipping area combines with the current one.
    enum TClipMode { RGN_AND = 1, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY };
    enum class TBlit { Source, SourceAnd, SourcePaint, SourceInvert, InvertedSource, Pattern, Black, White, None };
    enum TMapMode { MM_TEXT = 1, MM_LOMETRIC, MM_HIMETRIC, MM_LOENGLISH, MM_HIENGLISH, MM_TWIPS, MM_ISOTROPIC,
                    MM_ANISOTROPIC };

    struct TState {
        QPen pen = QPen(Qt::black, 0);
        QBrush brush = QBrush(Qt::white);
        TFontSpec font;
        QColor textColor = Qt::black;
        QColor backColor = Qt::white;
        bool opaqueBackground = true;
        Qt::FillRule fillRule = Qt::OddEvenFill;
        std::uint32_t textAlign = 0;
        int mapMode = MM_TEXT;
        QPointF windowOrg;
        QSizeF windowExt = QSizeF(1, 1);
        QPointF viewportOrg;
        QSizeF viewportExt = QSizeF(1, 1);
        QTransform world;
        QPointF current;
        bool clockwiseArcs = false;
        // In device space; none means the whole device.
        std::optional<QPainterPath> clip;
    };

    // deviceToPainter maps the metafile's device space onto the painter's
    // coordinates (before the painter's own transform, which is kept).
    TMetafileCanvas(QPainter& painter, const QTransform& deviceToPainter);
    ~TMetafileCanvas();
    TMetafileCanvas(const TMetafileCanvas&) = delete;
    TMetafileCanvas& operator=(const TMetafileCanvas&) = delete;

    TState& State() { return state_; }
    // Device pixels per millimetre, for the metric and English map modes.
    void SetDeviceResolution(QSizeF pixelsPerMm) { pixelsPerMm_ = pixelsPerMm; }
    void SaveState();
    // relative < 0 pops that many levels; a positive number names a level.
    void RestoreState(int relative);
    void Select(const TGdiObject& object);
    // True once anything visible has been drawn.
    bool DrewSomething() const { return drew_; }
    // True once the drawing has covered the device many hundreds of times
    // over: no picture does that, a hostile file would keep us busy for
    // hours, so the players stop there.
    bool Exhausted() const { return work_ > budget_; }

    void MoveTo(QPointF point);
    void LineTo(QPointF point);
    void Polyline(const QPolygonF& points);
    void PolylineTo(const QPolygonF& points);
    void PolyBezier(const QPolygonF& points, bool fromCurrent);
    void Polygon(const QPolygonF& points);
    void PolyPolygon(const std::vector<QPolygonF>& polygons);
    void PolyPolyline(const std::vector<QPolygonF>& polylines);
    void Rectangle(const QRectF& box);
    void RoundRect(const QRectF& box, QSizeF corner);
    void Ellipse(const QRectF& box);
    void ArcShape(TArcKind kind, const QRectF& box, QPointF start, QPointF end);

    void IntersectClip(const QRectF& box);
    void ExcludeClip(const QRectF& box);
    // The path (ended or not) becomes, or combines with, the clipping area.
    void SelectClipPath(int mode);
    // Rectangles in device space; none with RGN_COPY clips nothing away.
    void SelectClipRegion(int mode, const std::vector<QRectF>& deviceRects);

    void BeginPath();
    void EndPath() { pathOpen_ = false; }
    void CloseFigure();
    void AbortPath();
    void FillPath() { DrawPath(false, true); }
    void StrokePath() { DrawPath(true, false); }
    void StrokeAndFillPath() { DrawPath(true, true); }

    // Text with its reference point in logical units; opaque, when given, is
    // a rectangle filled with the background colour first.
    void Text(QPointF reference, const QString& text, const std::optional<QRectF>& opaque);
    // An image (or, for pattern and constant raster operations, the brush or
    // a colour) into a logical rectangle.
    void Blit(TBlit operation, const QRectF& target, const QImage& image, const QRectF& source);

    // The raster operation of a bit-block transfer record.
    static TBlit BlitFor(std::uint32_t rasterOp);

private:
    QTransform LogicalToDevice() const;
    QTransform PageTransform() const;
    QTransform Full() const { return LogicalToDevice() * deviceToPainter_; }
    void Draw(const QPainterPath& shape, bool stroke, bool fill);
    void DrawPath(bool stroke, bool fill);
    QPen StrokePen(const QTransform& full) const;
    void EnsureFigureStart();
    void CombineClip(QPainterPath area, int mode);
    // Counts the device pixels an operation covers (in painter coordinates).
    void Charge(const QRectF& painterArea);
    void ApplyClip();

    QPainter& painter_;
    QTransform deviceToPainter_;
    QTransform initialTransform_;
    std::optional<QPainterPath> callerClip_;
    bool clipChanged_ = false;
    QSizeF pixelsPerMm_ = QSizeF(96 / 25.4, 96 / 25.4);
    TState state_;
    std::vector<TState> saved_;
    QPainterPath path_;
    bool pathOpen_ = false;
    bool drew_ = false;
    double work_ = 0;
    double budget_ = 0;
};

} // namespace picture::metafile
