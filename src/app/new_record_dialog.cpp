#include "app/new_record_dialog.h"

#include "app/dialog_controls.h"
#include "ui/help.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvel {

TGetFirstLastZip::TGetFirstLastZip(const TNewRecordRequest& request, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GetFirstLastZip"));
    setWindowTitle(QStringLiteral("New Record"));
    createControls(request);
    createButtons();
}

void TGetFirstLastZip::createControls(const TNewRecordRequest& request)
{
    auto* grid = new QGridLayout;
    LastNameLabel = makeLabel(QStringLiteral("Last Name"), QStringLiteral("LastNameLabel"), this);
    LastNameEdit = makeLineEdit(QStringLiteral("LastNameEdit"), request.lastNameWidth, this,
                                QStringLiteral("The last name of the new record, checked against the names "
                                               "already in the file."));
    FirstNameLabel = makeLabel(QStringLiteral("First Name"), QStringLiteral("FirstNameLabel"), this);
    FirstNameEdit = makeLineEdit(QStringLiteral("FirstNameEdit"), request.firstNameWidth, this,
                                 QStringLiteral("The first name of the new record."));
    ZipLabel = makeLabel(QStringLiteral("Zip Code or Postal Code"), QStringLiteral("ZipLabel"), this);
    ZipEdit = makeLineEdit(QStringLiteral("ZipEdit"), request.zipWidth, this,
                           QStringLiteral("The ZIP or postal code. City and state are filled in from a record "
                                          "of this file with the same code."));
    int row = 0;
    if (request.askNames) {
        grid->addWidget(LastNameLabel, row, 0);
        grid->addWidget(LastNameEdit, row++, 1);
        grid->addWidget(FirstNameLabel, row, 0);
        grid->addWidget(FirstNameEdit, row++, 1);
    }
    // Without the names the ZIP box takes the first row.
    grid->addWidget(ZipLabel, row, 0);
    grid->addWidget(ZipEdit, row, 1);
    for (QWidget* control : {static_cast<QWidget*>(LastNameLabel), static_cast<QWidget*>(LastNameEdit),
                             static_cast<QWidget*>(FirstNameLabel), static_cast<QWidget*>(FirstNameEdit)})
        control->setVisible(request.askNames);
    ZipLabel->setVisible(request.askZip);
    ZipEdit->setVisible(request.askZip);
    for (QLineEdit* edit : {LastNameEdit, FirstNameEdit, ZipEdit})
        edit->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
}

void TGetFirstLastZip::createButtons()
{
    OKButton = makeButton(QStringLiteral("Ok"), QStringLiteral("OKButton"), this,
                          QStringLiteral("Goes on to enter the new record."));
    CancelButton = makeButton(QStringLiteral("Cancel"), QStringLiteral("CancelButton"), this,
                              QStringLiteral("Adds no record."));
    HelpButton = makeHelpButton(this, help_context::kNewRecord);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(OKButton);
    row->addWidget(CancelButton);
    row->addWidget(HelpButton);
    qobject_cast<QVBoxLayout*>(layout())->addLayout(row);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString TGetFirstLastZip::lastName() const { return LastNameEdit->isHidden() ? QString() : LastNameEdit->text(); }
QString TGetFirstLastZip::firstName() const { return FirstNameEdit->isHidden() ? QString() : FirstNameEdit->text(); }
QString TGetFirstLastZip::zip() const { return ZipEdit->isHidden() ? QString() : ZipEdit->text(); }

bool TGetFirstLastZip::handleEnter(QObject* watched)
{
    const bool lastBox = watched == ZipEdit || (watched == FirstNameEdit && ZipEdit->isHidden());
    if (lastBox)
        accept();
    else
        focusNextChild();
    return true;
}

bool TGetFirstLastZip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return handleEnter(watched);
    }
    // Tabbing on from the first name is the end of the questions when no
    // ZIP is asked; a click on Cancel is not.
    if (event->type() == QEvent::FocusOut && watched == FirstNameEdit && ZipEdit->isHidden()
        && static_cast<QFocusEvent*>(event)->reason() == Qt::TabFocusReason)
        QMetaObject::invokeMethod(this, &QDialog::accept, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void TGetFirstLastZip::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_PageDown) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quorvel
