#include "app/field_lengths_dialog.h"

#include "app/dialog_controls.h"
#include "ui/help.h"
#include "store/address_layout.h"
#include "store/settings.h"
#include "ui/services.h"
#include "ui/whats_this.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>


namespace quorvel {

namespace {

std::optional<int> acceptedWidth(const QString& text)
{
    bool ok = false;
    const int width = text.trimmed().toInt(&ok);
    if (!ok || width < TSpecifyFieldLengths::kMinWidth || width > TSpecifyFieldLengths::kMaxWidth)
        return std::nullopt;
    return width;
}

} // namespace

TSpecifyFieldLengths::TSpecifyFieldLengths(const TNewFileFieldLengths& lengths, TSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), lengths_(lengths)
{
    setObjectName(QStringLiteral("SpecifyFieldLengths"));
    setWindowTitle(QStringLiteral("Specify Field Lengths"));
    new QVBoxLayout(this);
    createBoxes();
    createButtons();
    showLengths(lengths_);
    for (const QLineEdit* edit : widthEdits_)
        openingTexts_.append(edit->text());
}

void TSpecifyFieldLengths::createBoxes()
{
    auto* grid = new QGridLayout;
    const auto fields = TNewFileFieldLengths::fields();
    constexpr int kRows = TNewFileFieldLengths::kCount / 2;
    for (int i = 0; i < TNewFileFieldLengths::kCount; ++i) {
        const QString field(fields[static_cast<std::size_t>(i)].name);
        const QString caption = addressFieldLabel(field);
        QLineEdit* edit = makeLineEdit(QStringLiteral("Field") + field + QStringLiteral("Edit"), 2, this,
                                       QStringLiteral("How many characters the field \"") + caption
                                           + QStringLiteral("\" holds in a new file: 10 to 80."));
        edit->setMaximumWidth(60);
        const int column = (i / kRows) * 2;
        grid->addWidget(makeLabel(caption, QStringLiteral("Field") + field + QStringLiteral("Label"), this), i % kRows,
                        column);
        grid->addWidget(edit, i % kRows, column + 1);
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { revertIfInvalid(i); });
        widthEdits_.append(edit);
    }
    qobject_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void TSpecifyFieldLengths::createButtons()
{
    SaveAsDefaultCheck = new QCheckBox(QStringLiteral("Use these settings for all new databases"), this);
    SaveAsDefaultCheck->setObjectName(QStringLiteral("SaveAsDefaultCheck"));
    setWhatsThisText(SaveAsDefaultCheck, QStringLiteral("Keeps these widths for every address file made from now on."));
    OKButton = makeButton(QStringLiteral("Ok"), QStringLiteral("OKButton"), this,
                          QStringLiteral("Uses these widths for the new file."));
    DefaultsButton = makeButton(QStringLiteral("Defaults"), QStringLiteral("DefaultsButton"), this,
                                QStringLiteral("Puts back the standard widths."));
    CancelButton = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this,
                              QStringLiteral("Leaves the widths as they were."));
    HelpButton = makeHelpButton(this, help_context::kFieldLengths);
    OKButton->setDefault(true);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {OKButton, DefaultsButton, CancelButton, HelpButton})
        row->addWidget(button);
    auto* box = qobject_cast<QVBoxLayout*>(layout());
    box->addWidget(SaveAsDefaultCheck);
    box->addLayout(row);
    connect(OKButton, &QPushButton::clicked, this, &TSpecifyFieldLengths::OKButtonClick);
    connect(DefaultsButton, &QPushButton::clicked, this,
            [this] { showLengths(TNewFileFieldLengths::buttonDefaults()); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TSpecifyFieldLengths::showLengths(const TNewFileFieldLengths& lengths)
{
    for (int i = 0; i < widthEdits_.size(); ++i)
        widthEdits_[i]->setText(QString::number(lengths.widthAt(i)));
}

void TSpecifyFieldLengths::revertIfInvalid(int index)
{
    QLineEdit* edit = widthEdits_[index];
    if (!acceptedWidth(edit->text()))
        edit->setText(openingTexts_[index]);
}

void TSpecifyFieldLengths::OKButtonClick()
{
    const auto fields = TNewFileFieldLengths::fields();
    for (int i = 0; i < widthEdits_.size(); ++i) {
        revertIfInvalid(i);
        if (const std::optional<int> width = acceptedWidth(widthEdits_[i]->text()))
            lengths_.setWidth(QString(fields[static_cast<std::size_t>(i)].name), *width);
    }
    if (SaveAsDefaultCheck->isChecked() && !settings_.saveNewFileFieldLengths(lengths_)) {
        TServices::messages().error(this, settings_.lastError());
        return;
    }
    accept();
}

} // namespace quorvel
