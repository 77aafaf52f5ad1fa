#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace output {

class TPrintStatus;

// The small window a print or preview job runs in: the status text, and one
// button that is Cancel while printing, Stop while previewing and Ok once
// the job has ended. The job starts as soon as the window is shown. A
// preview that finished or was stopped closes the window by itself, so that
// the preview form follows at once; otherwise the window stays with the
// ending status until Ok.
class TPrintStatusWindow : public QDialog {
    Q_OBJECT
public:
    explicit TPrintStatusWindow(TPrintStatus& status, QWidget* parent = nullptr);

    QLabel* StatusLabel() const { return RStatusLabel; }
    QPushButton* Button() const { return CancelButton; }

protected:
    void showEvent(QShowEvent* event) override;
    // Escape and the close box: while the job runs they ask it to end (and
    // the window closes once it has); afterwards they close.
    void reject() override;

private:
    void FormActivate();
    void CancelButtonClick();

    TPrintStatus& status_;
    QLabel* RStatusLabel;
    QPushButton* CancelButton;
    bool activated_ = false;
    bool closeWhenEnded_ = false;
};

} // namespace output
