#pragma once

#include "labels/zip_count.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QLabel;
class QPushButton;

namespace output {
class TOutputDialogs;
class TPreviewForm;
} // namespace output

namespace quorvel {
class TDataset;
}

namespace labels {

// What "Count Zip Codes" is handed when the main window gives it the
// address file.
struct TCountZipContext {
    quorvel::TDataset& addresses;
    // The report's questions and errors, and how its preview window is
    // prepared (placement, Help).
    output::TOutputDialogs& outputDialogs;
    std::function<void(output::TPreviewForm&)> preparePreview;
};

// "Count Zip Codes": counts the ZIP codes of the selected records as soon
// as it opens, then offers the "Zip Code Count Report" for printing or
// preview. The count is kept while the window is open; a cancelled count
// closes the window.
class TCountZipCodes : public QDialog, private TZipCountProgress {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 3500;

    explicit TCountZipCodes(TCountZipContext context, QWidget* parent = nullptr);

    // The report lines of the count; empty before one has finished.
    const QStringList& ReportLines() const { return lines_; }

    void CancelButtonClick();
    void PrintButtonClick() { RunReport(false); }
    void PreviewButtonClick() { RunReport(true); }
    void PrinterSetupButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    // Escape and the close box while counting ask as Cancel does.
    void reject() override;

private:
    QWidget* MakeButtonPanel();
    // Counts and keeps the report lines; false when the user cancelled.
    bool DoTheSort();
    void RunReport(bool preview);

    void ShowStatus(const QString& text) override;
    bool CancelRequested() override { return cancelled_; }

    TCountZipContext context_;
    QStringList lines_;
    bool opened_ = false;
    bool counting_ = false;
    bool cancelled_ = false;

    QLabel* WhatDoing;
    QLabel* StatusLabel;
    QPushButton* CancelButton;
    QWidget* ButtonPanel;
};

} // namespace labels
