#include "design/multi_line_label.h"

#include "design/property_list.h"

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
    Changed();
}

void TGMultiLineBaseLabel::ApplyFont(const TGFont& font) { SetFont(font); }

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
