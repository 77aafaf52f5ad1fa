#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QModelIndex;
class QPushButton;
class QTableView;

namespace quorvel {

class TBrowseModel;
class TDataset;
class TIniFile;

// "Address Browse": the records of the main window's query as a read-only
// grid, one row per record, with the record buttons, "&Tag" and "Ok". The
// grid's current row and the dataset's current record move together, so
// the record current when the window closes is the main window's.
class TAddressBrowseForm : public QDialog {
    Q_OBJECT
public:
    // Tags or untags the dataset's current record (the main window's own
    // ToggleTag, so that its rules and messages apply).
    using TToggleTag = std::function<void()>;

    // `fieldOrder` holds every field of the dataset in column order; those
    // in `shownFields` become columns. The placement is kept in `ini`.
    TAddressBrowseForm(TDataset& dataset, const QStringList& fieldOrder, const QStringList& shownFields,
                       TIniFile& ini, TToggleTag toggleTag, QWidget* parent = nullptr);
    ~TAddressBrowseForm() override;

    // Every field in the order the columns have now, hidden fields in the
    // places they had.
    QStringList fieldOrder() const;
    // The shown columns, left to right as the user sees them.
    QStringList columnOrder() const;
    TBrowseModel& model() { return *model_; }

    // The record buttons; next and previous beep and return false past the ends.
    void FirstButtonClick();
    bool PriorButtonClick();
    bool NextButtonClick();
    void LastButtonClick();
    void TagButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void createGrid();
    void createButtons();
    void setColumnWidths();
    int currentRow() const;
    void goToRow(int row);
    void gridRowChanged(const QModelIndex& current);
    void showDatasetRecord();
    void FormActivate();

    TDataset& dataset_;
    QStringList fieldOrder_;
    QStringList shownFields_;
    TIniFile& ini_;
    TToggleTag toggleTag_;
    TBrowseModel* model_ = nullptr;
    bool firstActivation_ = true;
    bool following_ = false; // the grid is being put on the dataset's record

    QTableView* BrowseGrid = nullptr;
    QPushButton* FirstButton = nullptr;
    QPushButton* PriorButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* LastButton = nullptr;
    QPushButton* TagButton = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* HelpButton = nullptr;
};

} // namespace quorvel
