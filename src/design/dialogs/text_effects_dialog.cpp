#include "design/dialogs/text_effects_dialog.h"

#include "design/dialogs/text_dialog_buttons.h"
#include "design/model/design_owner.h"
#include "design/model/text_labels.h"
#include "design/model/text_metrics.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace design {

// The live sample: a static text "Text" in the object's font and effects.
class TTextSample : public QWidget {
public:
    TTextSample(const TGFont& font, QWidget* parent) : QWidget(parent), label_(owner_)
    {
        setObjectName(QStringLiteral("Sample"));
        label_.SetFont(font);
        label_.SetCaption(QStringLiteral("Text"));
        setMinimumSize(160, 60);
    }
    void Show(const TTextEffects& effects)
    {
        label_.ApplyEffects(effects);
        update();
    }
    const TGPLabel& Label() const { return label_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        label_.SetBounds(0, 0, width(), height());
        label_.Paint(painter);
    }

private:
    TGDesignOwner owner_;
    TGPLabel label_;
};

namespace {

QStringList Entries(std::initializer_list<const char*> texts)
{
    QStringList entries;
    for (const char* text : texts)
        entries.append(QString::fromLatin1(text));
    return entries;
}

QStringList Depths()
{
    QStringList depths;
    for (int depth = 0; depth <= 10; ++depth)
        depths.append(QString::number(depth));
    return depths;
}

} // namespace

TColorChooser PlatformColorChooser()
{
    return [](TColor initial) -> std::optional<TColor> {
        const QColor chosen = QColorDialog::getColor(QColor(ColorToRgb(initial)));
        if (!chosen.isValid())
            return std::nullopt;
        return ColorValue(static_cast<std::uint32_t>(chosen.red()) | static_cast<std::uint32_t>(chosen.green()) << 8 |
                          static_cast<std::uint32_t>(chosen.blue()) << 16);
    };
}

TTextEffectsDialog::TTextEffectsDialog(const TGFont& font, const TTextEffects& effects, TColorChooser chooseColor,
                                       quorvel::THelp* help, QWidget* parent)
    : QDialog(parent), effects_(effects), chooseColor_(std::move(chooseColor))
{
    setObjectName(QStringLiteral("TextEffectsDialog"));
    setWindowTitle(QStringLiteral("Text 3D Effects"));
    auto* column = new QVBoxLayout(this);
    Sample = new TTextSample(font, this);
    column->addWidget(Sample);
    form_ = new QFormLayout;
    column->addLayout(form_);
    ShadowDirectionBox = AddChoice("ShadowDirectionBox", QStringLiteral("Shadow Direction"),
                                   Entries({"None", "Right", "Left", "Lower Right", "Lower Left", "Down"}),
                                   static_cast<int>(effects.DirectionShadow));
    AddColorButton("ShadowColorButton", QStringLiteral("Shadow Color"), &TTextEffects::colorShadow);
    ShadowDepthBox = AddChoice("ShadowDepthBox", QStringLiteral("Shadow Depth"), Depths(), effects.DepthShadow);
    HighlightDirectionBox = AddChoice("HighlightDirectionBox", QStringLiteral("Highlight Direction"),
                                      Entries({"None", "Right", "Left", "Upper Right", "Upper Left", "Up"}),
                                      static_cast<int>(effects.DirectionHighlight));
    AddColorButton("HighlightColorButton", QStringLiteral("Highlight Color"), &TTextEffects::colorHighlight);
    HighlightDepthBox =
        AddChoice("HighlightDepthBox", QStringLiteral("Highlight Depth"), Depths(), effects.DepthHighlight);
    AddColorButton("FontColorButton", QStringLiteral("Font Color"), &TTextEffects::FontColor);
    column->addLayout(MakeDialogButtons(*this, help, kHelpContext));
    Sample->Show(effects_);
}

TTextEffectsDialog::~TTextEffectsDialog() = default;

QComboBox* TTextEffectsDialog::AddChoice(const char* objectName, const QString& caption, const QStringList& entries,
                                         int current)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(objectName));
    box->addItems(entries);
    // A depth beyond the list (only a design file can hold one) shows no entry.
    box->setCurrentIndex(current >= 0 && current < entries.size() ? current : -1);
    connect(box, &QComboBox::currentIndexChanged, this, &TTextEffectsDialog::ControlChange);
    form_->addRow(caption, box);
    return box;
}

QPushButton* TTextEffectsDialog::AddColorButton(const char* objectName, const QString& caption,
                                                TColor TTextEffects::*member)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    connect(button, &QPushButton::clicked, this, [this, member] {
        if (const auto chosen = chooseColor_(effects_.*member)) {
            effects_.*member = *chosen;
            Sample->Show(effects_);
        }
    });
    form_->addRow(QString(), button);
    return button;
}

void TTextEffectsDialog::ControlChange()
{
    // Depths keep their value while their box shows none.
    if (!Sample)
        return;
    if (ShadowDirectionBox && ShadowDirectionBox->currentIndex() >= 0)
        effects_.DirectionShadow = static_cast<TShadowDirection>(ShadowDirectionBox->currentIndex());
    if (ShadowDepthBox && ShadowDepthBox->currentIndex() >= 0)
        effects_.DepthShadow = ShadowDepthBox->currentIndex();
    if (HighlightDirectionBox && HighlightDirectionBox->currentIndex() >= 0)
        effects_.DirectionHighlight = static_cast<THighlightDirection>(HighlightDirectionBox->currentIndex());
    if (HighlightDepthBox && HighlightDepthBox->currentIndex() >= 0)
        effects_.DepthHighlight = HighlightDepthBox->currentIndex();
    Sample->Show(effects_);
}

bool EditTextEffects(TGBaseLabel& label, quorvel::THelp* help, QWidget* parent, TColorChooser chooseColor)
{
    TTextEffectsDialog dialog(label.Font(), label.Effects(), std::move(chooseColor), help, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    label.ApplyEffects(dialog.Effects());
    return true;
}

} // namespace design
