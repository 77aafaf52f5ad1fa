#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace quorvel {
class THelp;
}

namespace design {

class TGPLabel;
class TGMultiLineBaseLabel;

// "Text": the one line of a static text.
class TTextDialog : public QDialog {
public:
    static constexpr int kHelpContext = 40004;

    TTextDialog(const QString& text, quorvel::THelp* help, QWidget* parent = nullptr);
    QString Text() const;

private:
    QLineEdit* TextEdit;
};

// "Multi-line Text Editor": the lines of a static multi-line text, at most
// 254 characters, in the object's font.
class TMultiLineTextEditor : public QDialog {
public:
    static constexpr int kMaxLength = 254;

    TMultiLineTextEditor(const QString& text, const QFont& font, QWidget* parent = nullptr);
    QString Text() const;

private:
    void TextEditChange();

    QPlainTextEdit* TextEdit;
};

// The object commands: open the dialog and, on OK, apply it.
bool EditText(TGPLabel& label, quorvel::THelp* help, QWidget* parent = nullptr);
bool EditMultiLineText(TGMultiLineBaseLabel& label, QWidget* parent = nullptr);

} // namespace design
