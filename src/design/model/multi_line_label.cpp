#include "design/model/multi_line_label.h"

#include "design/model/property_list.h"
#include "design/model/text_metrics.h"
#include "design/model/word_wrap.h"

#include <algorithm>

namespace design {

TGMultiLineBaseLabel::TGMultiLineBaseLabel(TGDesignOwner& owner) : TGGraphicControl(owner)
{
    SetFont(TGFont::Make(QStringLiteral("Arial"), 10, PixelsPerInch(), clBlack));
    SetBounds(0, 0, 190, 33);
}

void TGMultiLineBaseLabel::SetFont(const TGFont& font)
{
    font_ = font;
    fontAssigned_ = true;
}

void TGMultiLineBaseLabel::SetWordWrap(bool wordWrap)
{
    if (wordWrap == wordWrap_)
        return;
    wordWrap_ = wordWrap;
    if (wordWrap_)
        Rewrap();
    Changed();
}

const TTextMetrics& TGMultiLineBaseLabel::Metrics() const { return metrics_ ? *metrics_ : ScreenTextMetrics(); }

QFont TGMultiLineBaseLabel::ScreenFont() const { return design::ScreenFont(font_, PixelsPerInch(), ZoomFactor()); }

QStringList TGMultiLineBaseLabel::WrapToWidth(const QStringList& lines, const QFont& font) const
{
    const TTextMetrics& metrics = Metrics();
    return WrapLines(lines, Width(), [&](const QString& text) { return metrics.TextWidth(font, text); });
}

void TGMultiLineBaseLabel::Rewrap()
{
    wrapped_.clear();
    if (wordWrap_)
        wrapped_ = WrapToWidth(items_, ScreenFont());
}

void TGMultiLineBaseLabel::SizeToFit()
{
    const QFont font = ScreenFont();
    if (wordWrap_)
        Rewrap();
    int widest = Width();
    for (const QString& line : LinesShown())
        widest = std::max(widest, Metrics().TextWidth(font, line));
    const int height = Metrics().TextHeight(font) * static_cast<int>(LinesShown().size());
    SetBounds(Left(), Top(), widest, height);
}

void TGMultiLineBaseLabel::ApplyEditedText(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    SetItems(lines.split(QLatin1Char('\n')));
    Rewrap();
    Changed();
}

void TGMultiLineBaseLabel::ApplyChosenFont(const TGFont& font)
{
    ApplyFont(font);
    Changed();
}

void TGMultiLineBaseLabel::ApplyFont(const TGFont& font)
{
    SetFont(font);
    ShowData();
    if (wordWrap_)
        Rewrap();
}

void TGMultiLineBaseLabel::BoundsChanged()
{
    if (wordWrap_ && !IsReading())
        Rewrap();
    TGGraphicControl::BoundsChanged();
}

// Wrapped lines are never stored; they are rebuilt once the object is read.
void TGMultiLineBaseLabel::Loaded()
{
    TGGraphicControl::Loaded();
    Rewrap();
}

void TGMultiLineBaseLabel::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.Strings("Items.Strings", [this] { return Items(); }, [this](const QStringList& v) { SetItems(v); });
    list.Boolean("AutoSize", [this] { return AutoSize(); }, [this](bool v) { SetAutoSize(v); }, std::nullopt);
    list.Enumeration<TAlignment>("Alignment", AlignmentType(), [this] { return Alignment(); },
                                 [this](TAlignment v) { SetAlignment(v); }, TAlignment::taLeftJustify);
    list.Font("Font", [this] { return Font(); }, [this](const TGFont& v) { SetFont(v); },
              [this] { return FontAssigned(); });
    list.Boolean("WordWrap", [this] { return WordWrap(); }, [this](bool v) { SetWordWrap(v); }, false);
}

} // namespace design

namespace design {

TGMenuItems TGMultiLineBaseLabel::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGGraphicControl::MenuItems(host);
    AppendMenuItems(items, {TGMenuItem::Separator(),
                            TGMenuItem::Command(QStringLiteral("Font"),
                                                [this, &host] {
                                                    if (const auto font = host.ChooseFont(font_)) {
                                                        ApplyChosenFont(*font);
                                                        host.Repaint();
                                                    }
                                                }),
                            AlignmentMenu(alignment_, [this, &host](TAlignment alignment) {
                                if (alignment == alignment_)
                                    return;
                                alignment_ = alignment;
                                Changed();
                                host.Repaint();
                            })});
    return items;
}

TGMenuItem TGMultiLineBaseLabel::WordWrapItem(TGMenuHost& host)
{
    return TGMenuItem::Toggle(QStringLiteral("Word Wrap"), wordWrap_, [this, &host] {
        SetWordWrap(!wordWrap_);
        host.Repaint();
    });
}

TGMenuItems TGMultiLineLabel::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGMultiLineBaseLabel::MenuItems(host);
    AppendMenuItems(items, {TGMenuItem::Separator(),
                            TGMenuItem::Command(QStringLiteral("Text"),
                                                [this, &host] {
                                                    if (host.OpenObjectDialog(*this, TGObjectDialog::MultiLineText))
                                                        host.Repaint();
                                                }),
                            WordWrapItem(host)});
    return items;
}

} // namespace design
