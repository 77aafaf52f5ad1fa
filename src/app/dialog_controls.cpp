#include "app/dialog_controls.h"

#include "ui/services.h"
#include "ui/whats_this.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quorvel {

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent, const QString& whatsThis)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    setWhatsThisText(button, whatsThis);
    return button;
}

QLineEdit* makeLineEdit(const QString& name, int maxLength, QWidget* parent, const QString& whatsThis)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    setWhatsThisText(edit, whatsThis);
    return edit;
}

QLabel* makeLabel(const QString& caption, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* makeHelpButton(QWidget* parent, int context)
{
    QPushButton* button =
        makeButton(QStringLiteral("Help"), QStringLiteral("HelpButton"), parent, QStringLiteral("Explains this window."));
    QObject::connect(button, &QPushButton::clicked, parent, [context] { TServices::help().showTopic(context); });
    return button;
}

} // namespace quorvel
