#pragma once

#include "design/model/graphic_control.h"

#include <QFont>
#include <QStringList>

namespace design {

class TTextMetrics;

// Multi-line text: a list of lines, optional word wrap and alignment. With
// word wrap on, painting and printing use the lines wrapped to the object's
// width, which are rebuilt on every change of text, font or size.
class TGMultiLineBaseLabel : public TGGraphicControl {
public:
    explicit TGMultiLineBaseLabel(TGDesignOwner& owner);

    const QStringList& Items() const { return items_; }
    void SetItems(const QStringList& items) { items_ = items; }
    // Kept and stored, without effect.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment) { alignment_ = alignment; }
    const TGFont& Font() const { return font_; }
    void SetFont(const TGFont& font);
    bool FontAssigned() const { return fontAssigned_; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

    const QStringList& WrappedLines() const { return wrapped_; }
    // The wrapped lines with word wrap on, Items otherwise.
    const QStringList& LinesShown() const { return wordWrap_ ? wrapped_ : items_; }
    // What the screen shows when there is no text.
    virtual QString BlankPlaceholder() const { return QStringLiteral("<blank>"); }

    // Rebuilds the wrapped lines from Items when word wrap is on.
    virtual void Rewrap();
    // Widens the object to its widest line (never narrower) and sets its
    // height to its lines.
    void SizeToFit();
    // The "Multi-line Text Editor" confirmed: its text becomes the lines.
    void ApplyEditedText(const QString& text);
    // The object's "Font" command confirmed.
    void ApplyChosenFont(const TGFont& font);

    QFont ScreenFont() const;
    void UseTextMetrics(const TTextMetrics& metrics) { metrics_ = &metrics; }
    const TTextMetrics& Metrics() const;

    void ApplyFont(const TGFont& font) override;
    void BoundsChanged() override;
    void Loaded() override;
    void Paint(QPainter& painter) override;
    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
    void DefineProperties(TGPropertyList& list) override;
    // The common items, then "Font" and "Alignment".
    TGMenuItems MenuItems(TGMenuHost& host) override;

protected:
    // "Word Wrap", checked while on.
    TGMenuItem WordWrapItem(TGMenuHost& host);
    // Wraps the lines to the object's width in the given font.
    QStringList WrapToWidth(const QStringList& lines, const QFont& font) const;
    void SetWrappedLines(const QStringList& lines) { wrapped_ = lines; }

private:
    QStringList items_;
    bool autoSize_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TGFont font_;
    bool fontAssigned_ = false;
    bool wordWrap_ = false;
    QStringList wrapped_;
    const TTextMetrics* metrics_ = nullptr;
};

// Static multi-line text.
class TGMultiLineLabel : public TGMultiLineBaseLabel {
public:
    using TGMultiLineBaseLabel::TGMultiLineBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGMultiLineLabel"); }
    // Adds "Text" and "Word Wrap".
    TGMenuItems MenuItems(TGMenuHost& host) override;
};

} // namespace design
