#include "design/model/text_labels.h"

#include "design/model/text_metrics.h"
#include "design/model/windows1252.h"

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

TGMenuItems TGPLabel::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGBaseLabel::MenuItems(host);
    AppendMenuItems(items, {TGMenuItem::Separator(),
                            TGMenuItem::Command(QStringLiteral("Text"),
                                                [this, &host] {
                                                    if (host.OpenObjectDialog(*this, TGObjectDialog::Text))
                                                        host.Repaint();
                                                }),
                            TGMenuItem::Separator(), RotationMenu()});
    return items;
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

TGMenuItems TGSymbolLabel::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGBaseLabel::MenuItems(host);
    RemoveMenuItem(items, QStringLiteral("Font"));
    RemoveMenuItem(items, QStringLiteral("Alignment"));
    AppendMenuItems(items, {TGMenuItem::Separator(),
                            TGMenuItem::Command(QStringLiteral("Symbol Selector"), [this, &host] {
                                if (host.OpenObjectDialog(*this, TGObjectDialog::Symbol)) {
                                    // A new font alone changes no caption, yet
                                    // it is a change of the design all the same.
                                    Changed();
                                    host.Repaint();
                                }
                            })});
    return items;
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
