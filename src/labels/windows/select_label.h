#pragma once

#include "labels/label_stock.h"

#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quorvel {
class TDataset;
}

namespace labels {

// "Select Label Template": the stock catalogue, narrowed by maker and
// printer kind, product type and European paper, or searched as a whole
// through the search box. The catalogue is only read.
class TSelectLabel : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 3103;

    // `catalogue` is LBLTPL.DBF, open in DESCRIPT order. The lists start
    // from the layout's stock, or from the defaults when asked.
    TSelectLabel(
        quorvel::TDataset& catalogue, const TLabelStock& current, bool startFromDefaults, QWidget* parent = nullptr);

    // The stock of the highlighted row; only meaningful after Ok.
    const TLabelStock& SelectedStock() const;
    // The rows the grid shows, in its order.
    const std::vector<TLabelStock>& ShownStocks() const { return shown_; }

protected:
    // Escape is Cancel: result 2.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLabelQuery();
    void ShowRows(int current);
    void ShowCurrentRow();
    void SearchChanged();
    void OKButtonClick();

    quorvel::TDataset& catalogue_;
    std::vector<TLabelStock> shown_;
    QComboBox* eManuFac;
    QComboBox* eProdType;
    QCheckBox* EuropeanPaper;
    QLineEdit* SearchEdit;
    QTableWidget* LabelGrid;
    QLabel* HeightDisplay;
    QLabel* WidthDisplay;
    QLabel* AcrossDisplay;
    QLabel* DownDisplay;
    QLabel* PaperWidthDisplay;
    QLabel* PaperHeightDisplay;
    QPushButton* OKButton;
};

} // namespace labels
