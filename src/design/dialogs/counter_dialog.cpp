#include "design/dialogs/counter_dialog.h"

#include "design/dialogs/text_dialog_buttons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <limits>

namespace design {

namespace {

QSpinBox* MakeSpinBox(QWidget* parent, const char* objectName, int minimum, int maximum, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

QLineEdit* MakeLineEdit(QWidget* parent, const char* objectName, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
}

} // namespace

TCounterDialog::TCounterDialog(const TCounterSettings& settings, quorvel::THelp* help, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CounterDialog"));
    setWindowTitle(QStringLiteral("Counter"));
    StartingNumberEdit = MakeSpinBox(this, "StartingNumberEdit", std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max(), settings.Startingnumber);
    RepeatEachEdit = MakeSpinBox(this, "RepeatEachEdit", 1, 999, settings.RepeatEach);
    TextBeforeEdit = MakeLineEdit(this, "TextBeforeEdit", settings.TextBefore);
    TextAfterEdit = MakeLineEdit(this, "TextAfterEdit", settings.TextAfter);
    LeadingZerosEdit = MakeSpinBox(this, "LeadingZerosEdit", 0, 9, settings.LeadingZeros);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Starting Number"), StartingNumberEdit);
    form->addRow(QStringLiteral("Repeat number for #of  labels?"), RepeatEachEdit);
    form->addRow(QStringLiteral("Text  before"), TextBeforeEdit);
    form->addRow(QStringLiteral("Text after"), TextAfterEdit);
    auto* zeros = new QHBoxLayout;
    zeros->addWidget(LeadingZerosEdit);
    zeros->addWidget(new QLabel(QStringLiteral("digits"), this));
    form->addRow(QStringLiteral("Leading zeros to "), zeros);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(MakeDialogButtons(*this, help, kHelpContext));
}

TCounterSettings TCounterDialog::Settings() const
{
    return {StartingNumberEdit->value(), RepeatEachEdit->value(), TextBeforeEdit->text(), TextAfterEdit->text(),
            LeadingZerosEdit->value()};
}

bool EditCounter(TGCounterLabel& counter, quorvel::THelp* help, QWidget* parent)
{
    TCounterDialog dialog(counter.Settings(), help, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    counter.ApplySettings(dialog.Settings());
    return true;
}

} // namespace design
