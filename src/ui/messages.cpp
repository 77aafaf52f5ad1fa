#include "ui/messages.h"

#include <QApplication>

namespace quorvel {

QString informationCaption() { return QStringLiteral("Information"); }

void TMessages::information(QWidget* parent, const QString& text, const QString& caption)
{
    show(parent, {TMessageKind::Information, caption, text, TAnswer::Ok});
}

void TMessages::error(QWidget* parent, const QString& text, const QString& caption)
{
    show(parent, {TMessageKind::Error, caption, text, TAnswer::Ok});
}

bool TMessages::question(QWidget* parent, const QString& text, const QString& caption, TAnswer defaultAnswer)
{
    return show(parent, {TMessageKind::Question, caption, text, defaultAnswer}) == TAnswer::Yes;
}

void TMessages::beep()
{
    QApplication::beep();
}

} // namespace quorvel
