#pragma once

#include "store/search_memo.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace quorvel {

class TDataset;

// "Searching": walks the records for a text in their notes, from the first
// record or from the one after the current record, showing
// "Searching for: " + the text and a "Cancel" button. The search starts as
// soon as the window is shown, and the window closes itself when it ends.
// The dataset's controls are suspended meanwhile; afterwards the record
// found is current, or, when none was found or the search was cancelled,
// the record that was current before.
class TQVWSearching : public QDialog {
    Q_OBJECT
public:
    TQVWSearching(TDataset& dataset, const QString& text, TMemoSearchStart start, QWidget* parent = nullptr);

    bool found() const { return found_; }
    bool cancelled() const { return cancelled_; }

public slots:
    void reject() override;

signals:
    // After each record that did not hold the text, before pending events
    // are handled.
    void recordPassed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void search();
    bool keepGoing();

    TDataset& dataset_;
    QString text_;
    TMemoSearchStart start_;
    QLabel* SearchingLabel = nullptr;
    QPushButton* CancelButton = nullptr;
    bool started_ = false;
    bool searching_ = false;
    bool found_ = false;
    bool cancelled_ = false;
};

} // namespace quorvel
