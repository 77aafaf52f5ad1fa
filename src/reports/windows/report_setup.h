#pragma once

#include "design/model/address_record.h"
#include "reports/report_run.h"
#include "reports/report_store.h"
#include "store/dataset_result.h"

#include <QDialog>
#include <cstdint>
#include <functional>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace output {
class TOutputDialogs;
class TPreviewForm;
} // namespace output

namespace labels {
class TLayoutRowGrid;
class TRecordChoiceBox;
} // namespace labels

namespace quorvel {
class TAddressDataset;
class TDataset;
class THomeFolder;
class TIniFile;
} // namespace quorvel

namespace reports {

// What "Print Report" is handed when the main window gives it the address
// file.
struct TReportSetupContext {
    quorvel::TAddressDataset& addresses;
    // REPORT.DBF, open on rows not deleted in DESCRIPT order.
    quorvel::TDataset& reports;
    const quorvel::THomeFolder& home;
    quorvel::TIniFile& ini;
    // False without a filter: only all records, or the current one.
    bool filterChoiceEnabled = true;
    // The run's questions and errors, and how a preview window is prepared
    // (placement, Help); the program's own when it gives them.
    output::TOutputDialogs& outputDialogs;
    std::function<void(output::TPreviewForm&)> preparePreview;
};

// "Print Report": a built-in list report with its title and options, or a
// report of the user's own from REPORT.DBF with New, Modify, Delete and
// Clone; the choice of records; Print and Preview of the page shown.
class TReportSetup : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1087;
    // Reports are designed and printed at this resolution.
    static constexpr int kPixelsPerInch = 96;
    enum TPage { pgBuiltIn = 0, pgDesigner = 1 };

    explicit TReportSetup(TReportSetupContext context, QWidget* parent = nullptr);
    ~TReportSetup() override;

    const TReportRunOptions& Options() const { return options_; }
    int SelectedBuiltIn() const;
    TPage CurrentPage() const;

    void NewButtonClick();
    void ModifyButtonClick();
    void DeleteButtonClick();
    void CloneButtonClick();
    void PrintButtonClick() { StartRun(false); }
    void PreviewButtonClick() { StartRun(true); }
    void PrinterSetupButtonClick();

private:
    QWidget* MakeBuiltInPage();
    QWidget* MakeDesignerPage();
    QWidget* MakeWhatToPrint();
    QWidget* MakeButtons();
    void DescribeControls();

    void ShowReports(std::uint32_t current);
    bool GoToHighlighted();
    bool HasReports() const;
    // Which controls the page and the table allow.
    void UpdateButtons();
    void ShowOptions();
    void ShowFailure(const QStringList& messages);

    // New and Modify: the designer on the definition; Save writes the row
    // and then the design file.
    void EditReport(TReportDefinition definition, bool isNew);
    using TReportCommand = std::function<quorvel::TTableResult(quorvel::TDataset&, const QString&)>;
    // Delete and Clone: the question about the highlighted report, then on
    // Yes the command on its row.
    void AskAndRun(QString (*question)(const QString&), const QString& caption, const TReportCommand& command);
    void StartRun(bool preview);

    TReportSetupContext context_;
    TReportRunOptions options_;
    design::TGAddressRecord record_;

    QTabWidget* PageControl;
    QLineEdit* ReportTitleEdit;
    QListWidget* ReportList;
    QCheckBox* PrintMemoCheck;
    QCheckBox* PrintCodesCheck;
    labels::TLayoutRowGrid* ReportGrid;
    labels::TRecordChoiceBox* WhatToPrint;
    QCheckBox* OnePerPageCheck;
    QPushButton* PrintButton;
    QPushButton* PreviewButton;
    QPushButton* ModifyButton;
    QPushButton* NewButton;
    QPushButton* DeleteButton;
    QPushButton* CloneButton;
};

} // namespace reports
