#include "ui/qt_messages.h"

#include <QMessageBox>

namespace quorvel {

namespace {

QMessageBox::Icon iconFor(TMessageKind kind)
{
    switch (kind) {
    case TMessageKind::Error:
        return QMessageBox::Warning;
    case TMessageKind::Question:
        return QMessageBox::Question;
    case TMessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

} // namespace

QString displayText(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(u'\r', u'\n');
    return shown.trimmed();
}

TAnswer TQtMessages::show(QWidget* parent, const TMessage& message)
{
    QMessageBox box(iconFor(message.kind), message.caption, displayText(message.text), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    if (message.kind != TMessageKind::Question) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return TAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(message.defaultAnswer == TAnswer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? TAnswer::Yes : TAnswer::No;
}

} // namespace quorvel
