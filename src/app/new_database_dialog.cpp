#include "app/new_database_dialog.h"

#include "app/dialog_controls.h"
#include "ui/help.h"
#include "app/field_lengths_dialog.h"
#include "store/address_names.h"
#include "store/settings.h"
#include "ui/centring.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

TNewDataBaseName::TNewDataBaseName(TSettings& settings, const QString& proposal, QWidget* parent)
    : QDialog(parent), settings_(settings), lengths_(settings.newFileFieldLengths())
{
    setObjectName(QStringLiteral("NewDataBaseName"));
    setWindowTitle(QStringLiteral("Create new database"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeLabel(QStringLiteral("Name of the new address file:"), QStringLiteral("NameLabel"), this));
    NameEdit = makeLineEdit(QStringLiteral("NameEdit"), kMaxAddressFileNameLength, this,
                            QStringLiteral("The new file's name: up to 8 letters, digits or underscores, starting "
                                           "with a letter or an underscore. It is made in the DATA folder."));
    InvalidNameLabel = makeLabel(invalidAddressFileNameText(), QStringLiteral("InvalidNameLabel"), this);
    InvalidNameLabel->setWordWrap(true);
    layout->addWidget(NameEdit);
    layout->addWidget(InvalidNameLabel);
    createButtons();
    connect(NameEdit, &QLineEdit::textChanged, this, &TNewDataBaseName::NameEditChange);
    NameEdit->setText(proposal);
    NameEditChange();
}

void TNewDataBaseName::createButtons()
{
    OKButton = makeButton(QStringLiteral("Ok [PgDn]"), QStringLiteral("OKButton"), this,
                          QStringLiteral("Creates the new address file and opens it."));
    FieldLengthsButton = makeButton(QStringLiteral("Specify Field Lengths"), QStringLiteral("FieldLengthsButton"),
                                    this, QStringLiteral("Sets how many characters each field of the new file holds."));
    CancelButton = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this,
                              QStringLiteral("Creates no file."));
    HelpButton = makeHelpButton(this, help_context::kNewDatabase);
    OKButton->setDefault(true);
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {OKButton, FieldLengthsButton, CancelButton, HelpButton})
        row->addWidget(button);
    qobject_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(FieldLengthsButton, &QPushButton::clicked, this, &TNewDataBaseName::FieldLengthsButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString TNewDataBaseName::name() const { return NameEdit->text(); }

void TNewDataBaseName::NameEditChange()
{
    const bool valid = isValidAddressFileName(NameEdit->text());
    OKButton->setEnabled(valid);
    InvalidNameLabel->setVisible(!valid);
}

void TNewDataBaseName::FieldLengthsButtonClick()
{
    TSpecifyFieldLengths dialog(lengths_, settings_, this);
    centreWindow(&dialog, parentWidget());
    if (dialog.exec() == QDialog::Accepted)
        lengths_ = dialog.lengths();
}

void TNewDataBaseName::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_PageDown) {
        if (OKButton->isEnabled())
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quorvel
