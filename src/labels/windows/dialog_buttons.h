#pragma once

#include <QString>

class QBoxLayout;
class QDialog;
class QPushButton;
class QWidget;

namespace labels {

// The Ok, Cancel and Help buttons the label dialogs end with ("OKButton",
// "CancelButton", "HelpButton"). Cancel closes with result 2; Ok is left
// to the dialog, which checks what was entered before it closes. Help
// opens the dialog's own topic.
struct TDialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
};
TDialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, int helpContext);

// A push button with its object name that does not take Enter from the
// window's default button.
QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& text);

// A control with its object name, by which tests and "What's this?" find it.
template <typename T> T* Named(T* control, const char* objectName)
{
    control->setObjectName(QString::fromLatin1(objectName));
    return control;
}

// The modal results the label windows close with.
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;

} // namespace labels
