#include "design/text_labels.h"

#include "design/text_metrics.h"
#include "design/windows1252.h"

#include "output/base_report.h"

#include <cmath>

namespace design {

void TGPLabel::ApplyText(const QString& text)
{
    SetCaption(text);
    GrowToFit();
}

void TGPLabel::ApplyChosenFont(const TGFont& font)
{
    SetFont(font);
    Changed();
    GrowToFit();
}

TGSymbolLabel::TGSymbolLabel(TGDesignOwner& owner) : TGBaseLabel(owner)
{
    SetFont(TGFont::Make(QStringLiteral("WingDings"), 24, PixelsPerInch(), clBlack));
    SetCaption(QStringLiteral("["));
}

void TGSymbolLabel::ApplyFont(const TGFont&) {}

void TGSymbolLabel::BoundsChanged()
{
    TGBaseLabel::BoundsChanged();
    if (IsReading())
        return;
    const QFont font = ScreenFont();
    const int width = static_cast<int>(std::trunc(1.1 * Metrics().TextWidth(font, Caption())));
    const int height = static_cast<int>(std::trunc(1.1 * Metrics().TextHeight(font)));
    if (width != Width() || height != Height())
        SetBounds(Left(), Top(), width, height);
}

void TGSymbolLabel::ApplySymbol(const TGFont& font, int characterCode)
{
    SetFont(font);
    // Symbol fonts are addressed by their single-byte character codes.
    const char byte = static_cast<char>(characterCode & 0xFF);
    SetCaption(fromWindows1252(QByteArrayView(&byte, 1)));
    // Resizing to the new glyph runs on the bounds change.
    BoundsChanged();
}

void TGPageNumberLabel::Paint(QPainter& painter)
{
    SetCaptionQuietly(QStringLiteral("##"));
    TGBaseLabel::Paint(painter);
}

void TGPageNumberLabel::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    SetCaptionQuietly(QString::number(report.CurrentPage()));
    TGBaseLabel::PrintTo(report, xOffset, yOffset);
}

} // namespace design
