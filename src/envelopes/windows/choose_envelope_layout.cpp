#include "envelopes/windows/choose_envelope_layout.h"

#include "envelopes/windows/envelope_size_list.h"
#include "labels/windows/dialog_buttons.h"

#include <QComboBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace envelopes {

TChooseEnvelopeLayout::TChooseEnvelopeLayout(int currentCode, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChooseEnvelopeLayout"));
    setWindowTitle(QStringLiteral("Envelope Size"));
    EnvelopeSizeList = new QComboBox(this);
    EnvelopeSizeList->setObjectName(QStringLiteral("EnvelopeSizeList"));
    FillEnvelopeSizeList(*EnvelopeSizeList, currentCode);

    auto* column = new QVBoxLayout(this);
    column->addWidget(EnvelopeSizeList);
    const labels::TDialogButtons buttons = labels::AddDialogButtons(*this, *column, kHelpContext);
    connect(buttons.ok, &QPushButton::clicked, this, [this] { done(labels::kResultOk); });
}

int TChooseEnvelopeLayout::ChosenCode() const
{
    return SelectedEnvelopeCode(*EnvelopeSizeList);
}

void TChooseEnvelopeLayout::reject()
{
    done(labels::kResultCancel);
}

} // namespace envelopes
