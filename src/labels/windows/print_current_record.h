#pragma once

#include "labels/single_record_report.h"

#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QPushButton;

namespace output {
class TOutputDialogs;
class TPreviewForm;
} // namespace output

namespace quorvel {
class TDataset;
}

namespace labels {

// What "Print Current Record" is handed when the main window gives it the
// address file: the file on the record to print.
struct TPrintCurrentRecordContext {
    const quorvel::TDataset& addresses;
    // The report's questions and errors, and how a preview window is
    // prepared (placement, Help).
    output::TOutputDialogs& outputDialogs;
    std::function<void(output::TPreviewForm&)> preparePreview;
    // The time the page headers show; the system clock when empty.
    TSingleRecordPrint::TClock clock;
};

// "Print Current Record": which fields of the current record to print, and
// Print and Preview, as often as the user likes; only Cancel closes.
class TPrintCurrentRecord : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 3600;

    explicit TPrintCurrentRecord(TPrintCurrentRecordContext context, QWidget* parent = nullptr);

    TRecordReportChoice Choice() const;

    void AllCheckClick(bool checked);
    void PrinterSetupButtonClick();
    void PreviewButtonClick() { RunReport(true); }
    void PrintButtonClick() { RunReport(false); }

private:
    QWidget* MakeFieldBoxes();
    QWidget* MakeButtons();
    void RunReport(bool preview);

    TPrintCurrentRecordContext context_;
    // One box a field in the report's order, then the memo's.
    std::vector<QCheckBox*> fieldChecks_;
    QCheckBox* MemoCheck;
    QCheckBox* AllCheck;
    QPushButton* PrinterSetupButton;
    QPushButton* PreviewButton;
    QPushButton* PrintButton;
    QPushButton* CancelButton;
    QPushButton* HelpButton;
};

} // namespace labels
