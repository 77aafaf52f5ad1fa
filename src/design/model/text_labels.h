#pragma once

#include "design/model/base_label.h"

// The single-line text classes that add no persisted property of their own.
namespace design {

// Static text.
class TGPLabel : public TGBaseLabel {
public:
    using TGBaseLabel::TGBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGPLabel"); }

    // The "Text" dialog's confirmed text: the object grows to fit it.
    void ApplyText(const QString& text);
    // A font chosen with the object's "Font" command: the object grows to it.
    void ApplyChosenFont(const TGFont& font) override;
    // Adds "Text" and "Rotation".
    TGMenuItems MenuItems(TGMenuHost& host) override;
};

// One character of a symbol font; it keeps its font when the surface's
// font command is applied, and its size is always 1.1 times its glyph's.
class TGSymbolLabel : public TGBaseLabel {
public:
    explicit TGSymbolLabel(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGSymbolLabel"); }
    void ApplyFont(const TGFont& font) override;
    void BoundsChanged() override;

    // The "Symbol Selector" dialog's choice: font and character code.
    void ApplySymbol(const TGFont& font, int characterCode);
    // The font and the alignment are the symbol selector's business here:
    // "Font" and "Alignment" give way to "Symbol Selector".
    TGMenuItems MenuItems(TGMenuHost& host) override;
};

// The current page number: "##" on the screen, the engine's page when printed.
class TGPageNumberLabel : public TGBaseLabel {
public:
    using TGBaseLabel::TGBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGPageNumberLabel"); }
    void Paint(QPainter& painter) override;
    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
};

} // namespace design
