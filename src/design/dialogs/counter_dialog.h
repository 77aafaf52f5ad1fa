#pragma once

#include "design/model/counter_label.h"

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace quorvel {
class THelp;
}

namespace design {

// "Counter": starting number, repeats, text before and after, leading zeros.
class TCounterDialog : public QDialog {
public:
    static constexpr int kHelpContext = 40006;

    TCounterDialog(const TCounterSettings& settings, quorvel::THelp* help, QWidget* parent = nullptr);

    TCounterSettings Settings() const;

private:
    QSpinBox* StartingNumberEdit;
    QSpinBox* RepeatEachEdit;
    QLineEdit* TextBeforeEdit;
    QLineEdit* TextAfterEdit;
    QSpinBox* LeadingZerosEdit;
};

// Opens the dialog on the counter; on OK the counter takes the settings.
bool EditCounter(TGCounterLabel& counter, quorvel::THelp* help, QWidget* parent = nullptr);

} // namespace design
