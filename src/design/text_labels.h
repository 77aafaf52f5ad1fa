#pragma once

#include "design/base_label.h"

// The single-line text classes that add no persisted property of their own.
namespace design {

// Static text.
class TGPLabel : public TGBaseLabel {
public:
    using TGBaseLabel::TGBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGPLabel"); }
};

// One character of a symbol font; it keeps its font when the surface's
// font command is applied.
class TGSymbolLabel : public TGBaseLabel {
public:
    explicit TGSymbolLabel(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGSymbolLabel"); }
    void ApplyFont(const TGFont& font) override;
};

// The current page number; its caption is set when it is drawn.
class TGPageNumberLabel : public TGBaseLabel {
public:
    using TGBaseLabel::TGBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGPageNumberLabel"); }
};

} // namespace design
