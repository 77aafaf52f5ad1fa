#pragma once

#include "labels/presort_run.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace quorvel {
class TDataset;
}

namespace labels {

// "Bulk Mail Presorting": the presort of the address cursor's selection,
// run as soon as the window is shown, with its progress in `Label1` and a
// Cancel button that asks first. The window closes by itself when the
// presort ends: result 1 with `DoneCheck` checked when the list was
// written, 2 otherwise (cancelled, or the list could not be written; the
// result then holds the message).
class TSortBulkMail : public QDialog, public TPresortProgress {
    Q_OBJECT
public:
    TSortBulkMail(quorvel::TDataset& addresses, QString presortFile, QWidget* parent = nullptr);

    static constexpr int kCompleted = 1;
    static constexpr int kCancelled = 2;

    const TPresortResult& Result() const { return result_; }

    // The status lets window messages run, which is when Cancel is pressed.
    void ShowStatus(const QString& text) override;
    bool CancelRequested() override { return cancelled_; }

    QLabel* Label1;
    QCheckBox* DoneCheck;
    QPushButton* CancelButton;

protected:
    void showEvent(QShowEvent* event) override;
    // Escape and the close box act as Cancel while the presort runs.
    void reject() override;

private:
    void DoTheSort();
    void CancelButtonClick();

    quorvel::TDataset& addresses_;
    QString presortFile_;
    TPresortResult result_;
    bool activated_ = false;
    bool running_ = false;
    bool ended_ = false;
    bool cancelled_ = false;
};

} // namespace labels
