#pragma once

#include "design/model/design_font.h"
#include "design/model/text_effects.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QFormLayout;
class QPushButton;

namespace quorvel {
class THelp;
}

namespace design {

class TGBaseLabel;
class TTextSample;

// Picks a colour starting from the given one; nothing when cancelled. The
// platform's colour dialog in the program, a scripted answer in tests.
using TColorChooser = std::function<std::optional<TColor>(TColor initial)>;
TColorChooser PlatformColorChooser();

// "Text 3D Effects": shadow and highlight direction, depth and colour, and
// the font colour, shown at once on a sample text.
class TTextEffectsDialog : public QDialog {
public:
    static constexpr int kHelpContext = 40008;

    TTextEffectsDialog(const TGFont& font, const TTextEffects& effects, TColorChooser chooseColor,
                       quorvel::THelp* help, QWidget* parent = nullptr);
    ~TTextEffectsDialog() override;

    TTextEffects Effects() const { return effects_; }

private:
    QComboBox* AddChoice(const char* objectName, const QString& caption, const QStringList& entries, int current);
    QPushButton* AddColorButton(const char* objectName, const QString& caption, TColor TTextEffects::*member);
    void ControlChange();

    TTextEffects effects_;
    TColorChooser chooseColor_;
    QFormLayout* form_ = nullptr;
    TTextSample* Sample = nullptr;
    QComboBox* ShadowDirectionBox = nullptr;
    QComboBox* ShadowDepthBox = nullptr;
    QComboBox* HighlightDirectionBox = nullptr;
    QComboBox* HighlightDepthBox = nullptr;
};

// Opens the dialog on the object; on OK the object takes the effects.
bool EditTextEffects(TGBaseLabel& label, quorvel::THelp* help, QWidget* parent = nullptr,
                     TColorChooser chooseColor = PlatformColorChooser());

} // namespace design
