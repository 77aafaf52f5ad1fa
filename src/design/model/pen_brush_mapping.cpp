#include "design/model/pen_brush_mapping.h"

#include "design/model/design_qcolor.h"

namespace design {

output::TPenStyle ToOutputPenStyle(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psSolid: return output::psSolid;
    case TPenStyle::psDash: return output::psDash;
    case TPenStyle::psDot: return output::psDot;
    case TPenStyle::psDashDot: return output::psDashDot;
    case TPenStyle::psDashDotDot: return output::psDashDotDot;
    case TPenStyle::psClear: return output::psClear;
    case TPenStyle::psInsideFrame: return output::psInsideFrame;
    }
    return output::psSolid;
}

output::TPenMode ToOutputPenMode(TPenMode mode)
{
    switch (mode) {
    case TPenMode::pmXor:
    case TPenMode::pmNotXor: return output::pmXor;
    case TPenMode::pmNot: return output::pmNot;
    default: return output::pmCopy;
    }
}

output::TBrushStyle ToOutputBrushStyle(TBrushStyle style)
{
    switch (style) {
    case TBrushStyle::bsSolid: return output::bsSolid;
    case TBrushStyle::bsClear: return output::bsClear;
    case TBrushStyle::bsHorizontal: return output::bsHorizontal;
    case TBrushStyle::bsVertical: return output::bsVertical;
    case TBrushStyle::bsFDiagonal: return output::bsFDiagonal;
    case TBrushStyle::bsBDiagonal: return output::bsBDiagonal;
    case TBrushStyle::bsCross: return output::bsCross;
    case TBrushStyle::bsDiagCross: return output::bsDiagCross;
    }
    return output::bsSolid;
}

namespace {

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psDash: return Qt::DashLine;
    case TPenStyle::psDot: return Qt::DotLine;
    case TPenStyle::psDashDot: return Qt::DashDotLine;
    case TPenStyle::psDashDotDot: return Qt::DashDotDotLine;
    case TPenStyle::psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case TBrushStyle::bsClear: return Qt::NoBrush;
    case TBrushStyle::bsHorizontal: return Qt::HorPattern;
    case TBrushStyle::bsVertical: return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal: return Qt::FDiagPattern;
    case TBrushStyle::bsBDiagonal: return Qt::BDiagPattern;
    case TBrushStyle::bsCross: return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

} // namespace

QPen ToScreenPen(const TGPen& pen, int width)
{
    if (width <= 0)
        return QPen(Qt::NoPen);
    QPen screenPen(ToQColor(pen.Color), width, ToQtPenStyle(pen.Style), Qt::SquareCap, Qt::MiterJoin);
    return screenPen;
}

QBrush ToScreenBrush(const TGBrush& brush) { return QBrush(ToQColor(brush.Color), ToQtBrushStyle(brush.Style)); }

} // namespace design
