#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace xbase {
class TApollo;
}

namespace quorvel {

class TDataset;

// "Tagging": tags every record the table's query selects with the tag id,
// counting them as it goes ("12 tagged"). The run starts as soon as the
// window is shown. "Cancel" asks "Cancel Tagging?" and stops the run after
// the record being tagged; at the end the window says "Complete" or
// "Cancelled before completion", hides "Cancel" and shows "Ok".
//
// The address file, the duplicate check and the state/ZIP check each hand
// it their own table. Given a dataset, its bound controls are suspended for
// the run and the dataset is on the first record afterwards; the dataset
// must not be in the middle of an edit.
class TTagAllRecords : public QDialog {
    Q_OBJECT
public:
    TTagAllRecords(TDataset& dataset, const QString& tagId, QWidget* parent = nullptr);
    TTagAllRecords(xbase::TApollo& table, const QString& tagId, QWidget* parent = nullptr);

    bool running() const { return running_; }
    bool finished() const { return finished_; }
    quint32 taggedCount() const { return tagged_; }
    bool cancelled() const { return cancelled_; }

public slots:
    void reject() override;

signals:
    // After each record has been tagged, before pending events are handled.
    void recordTagged(quint32 tagged);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TTagAllRecords(TDataset* dataset, xbase::TApollo& table, const QString& tagId, QWidget* parent);
    void buildControls();
    void run();
    bool progress(quint32 tagged);
    void CancelButtonClick();

    TDataset* dataset_;
    xbase::TApollo& table_;
    QString tagId_;
    QLabel* TitleLabel = nullptr;
    QLabel* CountLabel = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* OkButton = nullptr;
    bool started_ = false;
    bool running_ = false;
    bool finished_ = false;
    bool cancelled_ = false;
    quint32 tagged_ = 0;
};

} // namespace quorvel
