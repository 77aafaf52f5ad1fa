#pragma once

#include <QDialog>

class QComboBox;

namespace envelopes {

// "Envelope Size": the envelope sizes in their list order, the given size
// code preselected (the first entry for a code of no size). Ok closes with
// 1 and ChosenCode() tells the size, Cancel with 2.
class TChooseEnvelopeLayout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 4105;

    explicit TChooseEnvelopeLayout(int currentCode, QWidget* parent = nullptr);

    int ChosenCode() const;

protected:
    // Escape is Cancel: result 2.
    void reject() override;

private:
    QComboBox* EnvelopeSizeList;
};

} // namespace envelopes
