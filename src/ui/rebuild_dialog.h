#pragma once

#include "store/index_rebuild.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvel {

// Help contexts of the two rebuild windows.
namespace rebuild_help {
constexpr int kRebuildIndexes = 1036;
constexpr int kRebuildSystemIndexes = 1037;
} // namespace rebuild_help

// What the two rebuild windows share: an explanation, "Reindex", "Cancel"
// and "Help", and a status line and gauge hidden until the work starts.
// "Reindex" runs the work and the window closes itself when it is done
// (accepted when it succeeded); "Cancel" before that closes it unchanged.
// While the work runs the window cannot be closed, since the work goes on
// with pending events processed so that the gauge moves.
class TRebuildDialog : public QDialog {
    Q_OBJECT
public:
    TRebuildDialog(const QString& caption, const QString& explanation, int helpContext, QWidget* parent);

    bool working() const { return working_; }

public slots:
    void reject() override;

protected:
    // The work itself; true when it succeeded.
    virtual bool runRebuild() = 0;
    // Status and gauge of the running work for the store's rebuilds.
    TRebuildProgress progress();

    void closeEvent(QCloseEvent* event) override;

private:
    void ReindexButtonClick();
    void beginWork();
    void endWork();
    QPushButton* makeButton(const QString& caption, const QString& name, const QString& whatsThis);

    QLabel* ExplanationLabel = nullptr;
    QLabel* StatusLabel = nullptr;
    QProgressBar* Gauge = nullptr;
    QPushButton* ReindexButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
    bool working_ = false;
};

} // namespace quorvel
