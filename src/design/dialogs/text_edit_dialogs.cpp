#include "design/dialogs/text_edit_dialogs.h"

#include "design/dialogs/text_dialog_buttons.h"
#include "design/model/multi_line_label.h"
#include "design/model/text_labels.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace design {

TTextDialog::TTextDialog(const QString& text, quorvel::THelp* help, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TextDialog"));
    setWindowTitle(QStringLiteral("Text"));
    auto* column = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral("Enter Text"), this);
    TextEdit = new QLineEdit(text, this);
    TextEdit->setObjectName(QStringLiteral("TextEdit"));
    prompt->setBuddy(TextEdit);
    column->addWidget(prompt);
    column->addWidget(TextEdit);
    column->addLayout(MakeDialogButtons(*this, help, kHelpContext));
}

QString TTextDialog::Text() const { return TextEdit->text(); }

TMultiLineTextEditor::TMultiLineTextEditor(const QString& text, const QFont& font, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MultiLineTextEditor"));
    setWindowTitle(QStringLiteral("Multi-line Text Editor"));
    auto* column = new QVBoxLayout(this);
    TextEdit = new QPlainTextEdit(text.left(kMaxLength), this);
    TextEdit->setObjectName(QStringLiteral("TextEdit"));
    TextEdit->setFont(font);
    column->addWidget(TextEdit);
    column->addLayout(MakeDialogButtons(*this, nullptr, 0));
    connect(TextEdit, &QPlainTextEdit::textChanged, this, &TMultiLineTextEditor::TextEditChange);
}

// The box takes no more than the object holds; extra typing or pasting is
// cut at the limit.
void TMultiLineTextEditor::TextEditChange()
{
    const QString text = TextEdit->toPlainText();
    if (text.size() <= kMaxLength)
        return;
    QTextCursor cursor = TextEdit->textCursor();
    const int position = std::min(cursor.position(), kMaxLength);
    TextEdit->setPlainText(text.left(kMaxLength));
    cursor = TextEdit->textCursor();
    cursor.setPosition(position);
    TextEdit->setTextCursor(cursor);
}

QString TMultiLineTextEditor::Text() const { return TextEdit->toPlainText(); }

bool EditText(TGPLabel& label, quorvel::THelp* help, QWidget* parent)
{
    TTextDialog dialog(label.Caption(), help, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    label.ApplyText(dialog.Text());
    return true;
}

bool EditMultiLineText(TGMultiLineBaseLabel& label, QWidget* parent)
{
    TMultiLineTextEditor dialog(label.Items().join(QLatin1Char('\n')), label.ScreenFont(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    label.ApplyEditedText(dialog.Text());
    return true;
}

} // namespace design
