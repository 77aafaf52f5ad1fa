#include "labels/windows/dialog_buttons.h"

#include "ui/services.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace labels {

QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

TDialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, int helpContext)
{
    TDialogButtons buttons { MakeButton(&dialog, "OKButton", QStringLiteral("Ok")),
        MakeButton(&dialog, "CancelButton", QStringLiteral("Cancel")),
        MakeButton(&dialog, "HelpButton", QStringLiteral("&Help")) };
    buttons.ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(buttons.ok);
    row->addWidget(buttons.cancel);
    row->addWidget(buttons.help);
    layout.addLayout(row);
    QObject::connect(buttons.cancel, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(kResultCancel); });
    QObject::connect(buttons.help, &QPushButton::clicked, &dialog,
        [helpContext] { quorvel::TServices::help().showTopic(helpContext); });
    return buttons;
}

} // namespace labels
