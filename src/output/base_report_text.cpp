#include "output/base_report.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace output {

void TBaseReport::SelectFont(const QString& name, double size)
{
    if (size <= 0.0)
        return;
    font_ = TFontSpec();
    font_.name = name;
    font_.size = size;
}

void TBaseReport::SetFontAngle(double degrees)
{
    double angle = std::fmod(degrees, 360.0);
    if (angle < 0.0)
        angle += 360.0;
    font_.angle = angle;
}

double TBaseReport::TextWidth(const QString& text)
{
    // Never less than one device pixel, so callers can divide by it.
    const double onePixel = 1.0 / Mapping().pixelsPerInchX;
    return fromInches(std::max(measure_.width(font_, text), onePixel));
}

void TBaseReport::emitText(const QString& text, double x, TTextAlign align, double width)
{
    RequireDrawing();
    TTextOp op;
    op.position = sheetPoint(x, cursorY_);
    op.text = text;
    op.font = font_;
    op.align = align;
    op.opaque = textBkMode_ == bkOpaque;
    Emit(std::move(op));
    const double left = align == taLeft ? x : align == taCenter ? x - width / 2.0 : x - width;
    cursorX_ = left + width;
}

void TBaseReport::TextLeftAt(const QString& text, double x)
{
    emitText(text, toInches(x), taLeft, measure_.width(font_, text));
}

void TBaseReport::TextCenteredAt(const QString& text, double x)
{
    emitText(text, toInches(x), taCenter, measure_.width(font_, text));
}

void TBaseReport::TextRightAt(const QString& text, double x)
{
    emitText(text, toInches(x), taRight, measure_.width(font_, text));
}

void TBaseReport::TextJustified(const QString& text, double x1, double x2)
{
    RequireDrawing();
    justify(text, toInches(x1), toInches(x2));
}

// Spreads the words between left and right by widening the gaps; a text
// without blanks is spread letter by letter.
void TBaseReport::justify(const QString& text, double left, double right)
{
    if (text.trimmed().isEmpty())
        return;
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() == 1) {
        words.clear();
        for (QChar c : text)
            words.append(QString(c));
    }
    if (words.size() < 2) {
        emitText(text, left, taLeft, measure_.width(font_, text));
        return;
    }
    double inked = 0.0;
    for (const QString& word : words)
        inked += measure_.width(font_, word);
    const double gap = std::max(0.0, (right - left - inked) / static_cast<double>(words.size() - 1));
    double x = left;
    for (const QString& word : words) {
        const double width = measure_.width(font_, word);
        emitText(word, x, taLeft, width);
        x += width + gap;
    }
    cursorX_ = std::max(cursorX_, right);
}

void TBaseReport::TextInBox(double x1, double y1, double x2, double y2, double x, double y, const QString& text)
{
    RequireDrawing();
    const QRectF box = QRectF(sheetPoint(toInches(x1), toInches(y1)), sheetPoint(toInches(x2), toInches(y2)))
                           .normalized();
    if (brush_.style != bsClear) {
        TShapeOp fill;
        fill.kind = skRectangle;
        fill.rect = box;
        fill.pen.style = psClear;
        fill.brush = brush_;
        Emit(std::move(fill));
    }
    TTextOp op;
    // The given point is the text's top-left corner; the stream keeps baselines.
    op.position = sheetPoint(toInches(x), toInches(y) + measure_.ascent(font_));
    op.text = text;
    op.font = font_;
    op.opaque = textBkMode_ == bkOpaque;
    op.clip = box;
    Emit(std::move(op));
}

void TBaseReport::WriteText(const QString& text)
{
    RequireDrawing();
    const QStringList parts = text.split(QLatin1Char('\t'));
    if (!parts.first().isEmpty())
        emitText(parts.first(), cursorX_, taLeft, measure_.width(font_, parts.first()));
    for (qsizetype i = 1; i < parts.size(); ++i) {
        NextTabStop();
        if (currentTab_ >= 1 && currentTab_ <= tabs_.count())
            placeInCell(tabs_.stop(currentTab_), parts.at(i));
        else if (!parts.at(i).isEmpty())
            emitText(parts.at(i), cursorX_, taLeft, measure_.width(font_, parts.at(i)));
    }
}

void TBaseReport::WriteLine(const QString& text)
{
    WriteText(text);
    NextLine();
}

void TBaseReport::placeInCell(const TTabStop& stop, const QString& text)
{
    if (text.isEmpty())
        return;
    if (stop.justify == tjBlock) {
        justify(text, stop.textLeft(), stop.textRight());
        return;
    }
    const double width = measure_.width(font_, text);
    emitText(text, CellTextLeft(stop, width), taLeft, width);
}

// --- tab stops

void TBaseReport::AddTabStop(double position, TTabJustify justify, double width, double margin, int lines,
                             int shade)
{
    // Inner margins are given in hundredths of a unit.
    const double at = position < 0.0 ? -1.0 : toInches(position);
    tabs_.add(at, justify, toInches(width), toInches(margin / 100.0), lines, shade < 0 ? tabShade_ : shade,
              areaLeft_);
}

void TBaseReport::NextTabStop()
{
    RequireDrawing();
    if (currentTab_ >= tabs_.count())
        return;
    ++currentTab_;
    const TTabStop& stop = tabs_.stop(currentTab_);
    drawTabCell(stop);
    cursorX_ = stop.textLeft();
}

double TBaseReport::TabStart(int number) const
{
    const int index = number == 0 ? currentTab_ : number;
    if (index < 1 || index > tabs_.count())
        return fromInches(areaLeft_);
    return fromInches(tabs_.stop(index).textLeft());
}

// The cell's shade goes under its box lines; the caller's pen and brush are
// left as they were.
void TBaseReport::drawTabCell(const TTabStop& stop)
{
    if (stop.shade <= 0 && stop.lines == blNone)
        return;
    const double top = cursorY_ - lineHeightInches() + measure_.descent(font_);
    const double bottom = top + lineHeightInches();
    const double right = stop.position + stop.width;
    if (stop.shade > 0) {
        TShapeOp fill;
        fill.kind = skRectangle;
        fill.rect = QRectF(sheetPoint(stop.position, top), sheetPoint(right, bottom));
        fill.pen.style = psClear;
        fill.brush.color = ShadeColor(shadeColor_, stop.shade);
        Emit(std::move(fill));
    }
    const auto line = [&](double xa, double ya, double xb, double yb) {
        TShapeOp op;
        op.kind = skLine;
        op.rect = QRectF(sheetPoint(xa, ya), sheetPoint(xb, yb));
        op.pen = pen_;
        Emit(std::move(op));
    };
    if (stop.lines & blLeft)
        line(stop.position, top, stop.position, bottom);
    if (stop.lines & blRight)
        line(right, top, right, bottom);
    if (stop.lines & blTop)
        line(stop.position, top, right, top);
    if (stop.lines & blBottom)
        line(stop.position, bottom, right, bottom);
}

} // namespace output
