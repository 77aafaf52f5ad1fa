#pragma once

#include "labels/label_geometry.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QSpinBox;

namespace labels {

class TLabelSheetPicture;

// What the position picker starts from and hands back.
struct TLabelPicks {
    TPositionMask mask;
    int copies = 1; // labels per record, 1..99
    int startPosition = 1; // first position used on the first sheet, 1-based
    int printerIndex = -1; // in the printer list; -1 for the system's default
};

// "Labels Print": before every run the user picks the positions of each
// sheet to print on, how many labels each record gets and where the first
// sheet starts.
class TSelectSpecificLabels : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 3302;

    // With presort the copies stay 1 and are not offered.
    TSelectSpecificLabels(const TLabelGeometry& geometry, const TLabelPicks& picks, bool presort,
        const QStringList& printers, QWidget* parent = nullptr);

    const TLabelPicks& Picks() const { return picks_; }
    TLabelSheetPicture& Picture() { return *SheetPicture; }

protected:
    void reject() override;

private:
    void SetAll(bool selected);
    void OKButtonClick();

    TLabelGeometry geometry_;
    TLabelPicks picks_;
    TLabelSheetPicture* SheetPicture;
    QSpinBox* NumberOfEach;
    QSpinBox* StartPosition;
    QComboBox* PrinterCombo;
};

} // namespace labels
