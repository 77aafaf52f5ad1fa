#include "design/text_labels.h"

namespace design {

TGSymbolLabel::TGSymbolLabel(TGDesignOwner& owner) : TGBaseLabel(owner)
{
    SetFont(TGFont::Make(QStringLiteral("WingDings"), 24, PixelsPerInch(), clBlack));
    SetCaption(QStringLiteral("["));
}

void TGSymbolLabel::ApplyFont(const TGFont&) {}

} // namespace design
