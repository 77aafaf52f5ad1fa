#pragma once

#include <QGroupBox>

#include <array>

class QLineEdit;
class QPushButton;

namespace quorvel {
class TDataset;
}

namespace envelopes {

// "Current Record": who the envelope goes to (first and last name,
// organisation, city) and a navigator that moves the address file's cursor.
// After a move the box shows the new record and says so, for the preview
// to follow.
class TEnvelopeCurrentRecord : public QGroupBox {
    Q_OBJECT

public:
    explicit TEnvelopeCurrentRecord(quorvel::TDataset& addresses, QWidget* parent = nullptr);

    // Shows the record the cursor is on.
    void ShowRecord();

signals:
    void RecordMoved();

private:
    void Move(QPushButton* button);

    quorvel::TDataset& addresses_;
    // FNAME, LNAME, ORG and CITY.
    std::array<QLineEdit*, 4> fields_ {};
    QPushButton* FirstButton;
    QPushButton* PriorButton;
    QPushButton* NextButton;
    QPushButton* LastButton;
};

} // namespace envelopes
