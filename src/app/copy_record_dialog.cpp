#include "app/copy_record_dialog.h"

#include "app/dialog_controls.h"
#include "ui/help.h"
#include "ui/whats_this.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

TCopyToClipboard::TCopyToClipboard(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CopyToClipboard"));
    setWindowTitle(QStringLiteral("Copy Record To Clipboard"));
    new QVBoxLayout(this);
    NameCheck = addGroupBox(QStringLiteral("Name, Organization, Title"), QStringLiteral("NameCheck"),
                            QStringLiteral("Copies the name line, the title and the organization."));
    AddressCheck = addGroupBox(QStringLiteral("Address"), QStringLiteral("AddressCheck"),
                               QStringLiteral("Copies both address lines, city, state and ZIP, and the country."));
    PhonesCheck = addGroupBox(QStringLiteral("Phone Numbers"), QStringLiteral("PhonesCheck"),
                              QStringLiteral("Copies both telephone numbers."));
    CodesCheck = addGroupBox(QStringLiteral("Codes"), QStringLiteral("CodesCheck"), QStringLiteral("Copies the codes."));
    CommentsCheck = addGroupBox(QStringLiteral("Comments 1 && 2"), QStringLiteral("CommentsCheck"),
                                QStringLiteral("Copies both comments."));

    OKButton = makeButton(QStringLiteral("Ok"), QStringLiteral("OKButton"), this,
                          QStringLiteral("Puts the checked parts of the record on the clipboard."));
    CancelButton = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this,
                              QStringLiteral("Copies nothing."));
    HelpButton = makeHelpButton(this, help_context::kCopyToClipboard);
    OKButton->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : {OKButton, CancelButton, HelpButton})
        row->addWidget(button);
    qobject_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QCheckBox* TCopyToClipboard::addGroupBox(const QString& caption, const QString& name, const QString& whatsThis)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setChecked(true);
    setWhatsThisText(box, whatsThis);
    layout()->addWidget(box);
    return box;
}

TClipboardGroups TCopyToClipboard::groups() const
{
    return {NameCheck->isChecked(), AddressCheck->isChecked(), PhonesCheck->isChecked(), CodesCheck->isChecked(),
            CommentsCheck->isChecked()};
}

} // namespace quorvel
