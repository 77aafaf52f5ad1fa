#include "labels/windows/label_edit.h"

#include "labels/label_codes.h"
#include "labels/label_rows.h"
#include "labels/label_validation.h"
#include "labels/windows/dialog_buttons.h"
#include "ui/services.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace labels {

namespace {

QSpinBox* MakeCountBox(QWidget* parent, const char* objectName, int maximum, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setRange(1, maximum);
    box->setValue(value);
    return box;
}

} // namespace

TLabelEdit::TLabelEdit(const TLabelGeometry& geometry, QWidget* parent)
    : QDialog(parent)
    , values_(geometry)
    , accepted_(geometry)
{
    setObjectName(QStringLiteral("LabelEdit"));
    setWindowTitle(QStringLiteral("User Defined Label Layout"));

    Inchesbutton = new QRadioButton(QStringLiteral("Use &Inches"), this);
    Inchesbutton->setObjectName(QStringLiteral("Inchesbutton"));
    Inchesbutton->setChecked(true);
    MMButton = new QRadioButton(QStringLiteral("Use &Millimeters"), this);
    MMButton->setObjectName(QStringLiteral("MMButton"));

    auto* form = new QFormLayout;
    auto addLength = [&](TLabelEditValues::TLength member, const char* name, const char* caption) {
        form->addRow(QString::fromLatin1(caption), AddLengthBox(member, name, caption));
    };
    addLength(&TLabelGeometry::width, "elblwidth", "Label Width");
    addLength(&TLabelGeometry::height, "elblHeight", "Label Height");
    addLength(&TLabelGeometry::horizPitch, "eHorizPitch", "Horizontal Pitch");
    addLength(&TLabelGeometry::vertPitch, "eVertPitch", "Vertical Pitch");
    addLength(&TLabelGeometry::leftMargin, "eleftmarg", "Left Margin");
    addLength(&TLabelGeometry::topMargin, "etopmarg", "Top Margin");
    addLength(&TLabelGeometry::sheetWidth, "esheetwidth", "Paper Width");
    addLength(&TLabelGeometry::sheetDepth, "esheetdepth", "Paper Height");
    enbracross = MakeCountBox(this, "enbracross", kMaxAcross, geometry.across);
    enbrdown = MakeCountBox(this, "enbrdown", kMaxDown, geometry.down);
    form->addRow(QStringLiteral("# across"), enbracross);
    form->addRow(QStringLiteral("# down"), enbrdown);

    epapersize = new QComboBox(this);
    epapersize->setObjectName(QStringLiteral("epapersize"));
    for (const TPaperEntry& paper : PaperEntries())
        epapersize->addItem(QString(paper.listEntry));
    epapersize->setCurrentIndex(-1); // the code handed in stays unless one is chosen
    form->addRow(QStringLiteral("Paper size"), epapersize);
    eLabelShape = new QComboBox(this);
    eLabelShape->setObjectName(QStringLiteral("eLabelShape"));
    for (const TShapeEntry& shape : ShapeEntries())
        eLabelShape->addItem(QString(shape.listEntry));
    eLabelShape->setCurrentIndex(values_.ShapeIndex());
    form->addRow(QStringLiteral("Label Shape"), eLabelShape);

    auto* units = new QHBoxLayout;
    units->addWidget(Inchesbutton);
    units->addWidget(MMButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(units);
    column->addLayout(form);
    const TDialogButtons buttons = AddDialogButtons(*this, *column, kHelpContext);

    connect(Inchesbutton, &QRadioButton::clicked, this, &TLabelEdit::UnitClick);
    connect(MMButton, &QRadioButton::clicked, this, &TLabelEdit::UnitClick);
    connect(epapersize, &QComboBox::activated, this, &TLabelEdit::PaperChosen);
    connect(eLabelShape, &QComboBox::currentIndexChanged, this, [this](int index) { values_.ChooseShape(index); });
    connect(buttons.ok, &QPushButton::clicked, this, &TLabelEdit::OKButtonClick);
    ShowValues();
}

QLineEdit* TLabelEdit::AddLengthBox(TLabelEditValues::TLength member, const char* objectName, const char* caption)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    lengths_.push_back({ member, edit, QString::fromLatin1(caption) });
    const std::size_t index = lengths_.size() - 1;
    connect(edit, &QLineEdit::editingFinished, this, [this, index] { LengthEdited(lengths_[index]); });
    return edit;
}

void TLabelEdit::ShowValues()
{
    for (const TLengthBox& box : lengths_)
        box.edit->setText(QString::number(values_.Shown(box.member), 'f', values_.ShownDecimals()));
}

std::optional<double> TLabelEdit::Typed(const TLengthBox& box)
{
    // A comma may stand for the decimal point, as millimetres are often typed.
    return ParseDecimal(box.edit->text().replace(u',', u'.'));
}

bool TLabelEdit::TakeField(const TLengthBox& box)
{
    const std::optional<double> typed = Typed(box);
    if (!typed) {
        quorvel::TServices::messages().information(this, box.caption + QStringLiteral(" is not a number"));
        box.edit->setFocus();
        return false;
    }
    values_.Enter(box.member, *typed);
    return true;
}

void TLabelEdit::LengthEdited(const TLengthBox& box)
{
    const std::optional<double> typed = Typed(box);
    if (!typed)
        return; // reported on Ok, so that leaving a field never traps the user
    values_.Enter(box.member, *typed);
    // A pitch smaller than its label follows the label's size.
    if (box.member == &TLabelGeometry::width)
        values_.LeaveLabelWidth();
    else if (box.member == &TLabelGeometry::height)
        values_.LeaveLabelHeight();
    ShowValues();
}

void TLabelEdit::UnitClick()
{
    const TLengthUnit unit = MMButton->isChecked() ? TLengthUnit::luMillimetres : TLengthUnit::luInches;
    if (unit == values_.Unit())
        return;
    for (const TLengthBox& box : lengths_)
        if (!TakeField(box)) {
            (unit == TLengthUnit::luInches ? MMButton : Inchesbutton)->setChecked(true);
            return;
        }
    values_.SetUnit(unit);
    ShowValues();
}

void TLabelEdit::PaperChosen(int index)
{
    values_.ChoosePaper(index);
    ShowValues();
}

void TLabelEdit::OKButtonClick()
{
    // A field still being typed in is left first, so that its rules run.
    for (const TLengthBox& box : lengths_)
        if (box.edit->hasFocus())
            LengthEdited(box);
    eLabelShape->setFocus();
    for (const TLengthBox& box : lengths_)
        if (!TakeField(box))
            return;
    values_.SetAcross(enbracross->value());
    values_.SetDown(enbrdown->value());
    try {
        accepted_ = values_.Accept();
    } catch (const EValid& invalid) {
        quorvel::TServices::messages().information(this, invalid.message());
        return;
    }
    done(kResultOk);
}

void TLabelEdit::reject()
{
    done(kResultCancel);
}

} // namespace labels
