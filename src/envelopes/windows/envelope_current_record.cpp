#include "envelopes/windows/envelope_current_record.h"

#include "labels/windows/dialog_buttons.h"
#include "store/dataset.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace envelopes {

namespace {

struct TShownField {
    const char16_t* field;
    const char* caption;
    const char* objectName;
};

constexpr std::array<TShownField, 4> kShownFields { {
    { u"FNAME", "First", "FirstNameEdit" },
    { u"LNAME", "Last", "LastNameEdit" },
    { u"ORG", "Org", "OrgEdit" },
    { u"CITY", "City", "CityEdit" },
} };

} // namespace

TEnvelopeCurrentRecord::TEnvelopeCurrentRecord(quorvel::TDataset& addresses, QWidget* parent)
    : QGroupBox(QStringLiteral("Current Record"), parent)
    , addresses_(addresses)
{
    setObjectName(QStringLiteral("CurrentRecordBox"));
    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < kShownFields.size(); ++i) {
        auto* edit = labels::Named(new QLineEdit(this), kShownFields[i].objectName);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        form->addRow(QString::fromLatin1(kShownFields[i].caption), edit);
        fields_[i] = edit;
    }
    FirstButton = labels::MakeButton(this, "FirstButton", QStringLiteral("|<"));
    PriorButton = labels::MakeButton(this, "PriorButton", QStringLiteral("<"));
    NextButton = labels::MakeButton(this, "NextButton", QStringLiteral(">"));
    LastButton = labels::MakeButton(this, "LastButton", QStringLiteral(">|"));
    auto* navigator = new QHBoxLayout;
    for (QPushButton* button : { FirstButton, PriorButton, NextButton, LastButton }) {
        button->setMaximumWidth(36);
        navigator->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, button] { Move(button); });
    }
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(navigator);
    ShowRecord();
}

void TEnvelopeCurrentRecord::ShowRecord()
{
    const bool onRecord = addresses_.Active() && !addresses_.IsEmpty();
    for (std::size_t i = 0; i < kShownFields.size(); ++i)
        fields_[i]->setText(onRecord ? addresses_.FieldAsString(kShownFields[i].field) : QString());
}

void TEnvelopeCurrentRecord::Move(QPushButton* button)
{
    if (!addresses_.Active())
        return;
    if (button == FirstButton)
        addresses_.First();
    else if (button == PriorButton)
        addresses_.Prior();
    else if (button == NextButton)
        addresses_.Next();
    else
        addresses_.Last();
    ShowRecord();
    emit RecordMoved();
}

} // namespace envelopes
