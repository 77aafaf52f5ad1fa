#include "design/model/base_label.h"

namespace design {

void TGBaseLabel::ApplyChosenFont(const TGFont& font)
{
    SetFont(font);
    Changed();
}

TGMenuItem TGBaseLabel::RotationMenu()
{
    const auto item = [this](const char* caption, int angle) {
        return TGMenuItem::Command(QString::fromLatin1(caption), [this, angle] {
            SetAngle(angle);
            Changed();
        });
    };
    return TGMenuItem::Submenu(QStringLiteral("Rotation"), {item("No Rotation", 0), item("90 Degrees", 90),
                                                            item("180 Degrees", 180), item("270 Degrees", 270)});
}

TGMenuItems TGBaseLabel::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGGraphicControl::MenuItems(host);
    AppendMenuItems(
        items,
        {
            TGMenuItem::Separator(),
            TGMenuItem::Command(QStringLiteral("Font"),
                                [this, &host] {
                                    if (const auto font = host.ChooseFont(Font())) {
                                        ApplyChosenFont(*font);
                                        host.Repaint();
                                    }
                                }),
            TGMenuItem::Command(QStringLiteral("3D Effects"),
                                [this, &host] {
                                    if (host.OpenObjectDialog(*this, TGObjectDialog::TextEffects)) {
                                        Changed();
                                        host.Repaint();
                                    }
                                }),
            AlignmentMenu(alignment_,
                          [this, &host](TAlignment alignment) {
                              SetAlignment(alignment);
                              host.Repaint();
                          }),
            TGMenuItem::Toggle(QStringLiteral("Transparent"), transparent_,
                               [this, &host] {
                                   SetTransparent(!transparent_);
                                   host.Repaint();
                               }),
            TGMenuItem::Command(QStringLiteral("Background Color"),
                                [this, &host] {
                                    if (const auto color = host.ChooseColor(backColor_)) {
                                        SetBackColor(*color);
                                        SetTransparent(false);
                                        host.Repaint();
                                    }
                                }),
            TGMenuItem::Toggle(QStringLiteral("Border"), borderStyle_ == TBorderStyle::bsSingle,
                               [this, &host] {
                                   SetBorderStyle(borderStyle_ == TBorderStyle::bsSingle ? TBorderStyle::bsNone
                                                                                         : TBorderStyle::bsSingle);
                                   host.Repaint();
                               }),
        });
    return items;
}

} // namespace design
