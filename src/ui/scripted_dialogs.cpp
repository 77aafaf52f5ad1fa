#include "ui/scripted_dialogs.h"

namespace quorvel {

QString TScriptedDialogs::openFileName(QWidget* /*parent*/, const TFileRequest& request)
{
    return nextFileName(TKind::OpenFile, request);
}

QString TScriptedDialogs::saveFileName(QWidget* /*parent*/, const TFileRequest& request)
{
    return nextFileName(TKind::SaveFile, request);
}

std::optional<QFont> TScriptedDialogs::font(QWidget* /*parent*/, const QFont& /*initial*/)
{
    requests_.append({TKind::Font, {}, {}});
    return fonts_.isEmpty() ? std::nullopt : std::optional<QFont>(fonts_.dequeue());
}

std::optional<QColor> TScriptedDialogs::colour(QWidget* /*parent*/, const QColor& /*initial*/)
{
    requests_.append({TKind::Colour, {}, {}});
    return colours_.isEmpty() ? std::nullopt : std::optional<QColor>(colours_.dequeue());
}

bool TScriptedDialogs::print(QWidget* /*parent*/, QPrinter& /*printer*/) { return nextPrintAnswer(TKind::Print); }

bool TScriptedDialogs::printerSetup(QWidget* /*parent*/, QPrinter& /*printer*/)
{
    return nextPrintAnswer(TKind::PrinterSetup);
}

std::optional<QString> TScriptedDialogs::inputText(QWidget* /*parent*/, const TInputRequest& request)
{
    requests_.append({TKind::InputText, {}, request});
    return inputTexts_.isEmpty() ? std::nullopt : inputTexts_.dequeue();
}

QString TScriptedDialogs::nextFileName(TKind kind, const TFileRequest& request)
{
    requests_.append({kind, request, {}});
    return fileNames_.isEmpty() ? QString() : fileNames_.dequeue();
}

bool TScriptedDialogs::nextPrintAnswer(TKind kind)
{
    requests_.append({kind, {}, {}});
    return !printAnswers_.isEmpty() && printAnswers_.dequeue();
}

} // namespace quorvel
