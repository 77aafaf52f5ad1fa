#pragma once

#include "design/graphic_control.h"

#include <QStringList>

namespace design {

// Multi-line text: a list of lines, optional word wrap and alignment.
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

    void ApplyFont(const TGFont& font) override;
    void DefineProperties(TGPropertyList& list) override;

private:
    QStringList items_;
    bool autoSize_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    TGFont font_;
    bool fontAssigned_ = false;
    bool wordWrap_ = false;
};

// Static multi-line text.
class TGMultiLineLabel : public TGMultiLineBaseLabel {
public:
    using TGMultiLineBaseLabel::TGMultiLineBaseLabel;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGMultiLineLabel"); }
};

} // namespace design
