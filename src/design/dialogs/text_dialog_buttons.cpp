#include "design/dialogs/text_dialog_buttons.h"

#include "ui/help.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace design {

QHBoxLayout* MakeDialogButtons(QDialog& dialog, quorvel::THelp* help, int helpContext)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto* helpButton = new QPushButton(QStringLiteral("&Help"), &dialog);
    helpButton->setObjectName(QStringLiteral("HelpButton"));
    helpButton->setEnabled(help != nullptr);
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(helpButton);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(helpButton, &QPushButton::clicked, &dialog, [help, helpContext] {
        if (help)
            help->showTopic(helpContext);
    });
    return row;
}

} // namespace design
