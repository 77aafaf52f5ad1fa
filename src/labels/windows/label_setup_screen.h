#pragma once

#include "labels/label_layout.h"
#include "labels/label_setup_options.h"
#include "labels/windows/position_picker_window.h"
#include "store/dataset_result.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace output {
class TOutputDialogs;
class TPreviewForm;
} // namespace output

namespace quorvel {
class TAddressDataset;
class TDataset;
class THomeFolder;
class TIniFile;
} // namespace quorvel

namespace labels {

class TLabelDesignScreen;
class TLayoutRowGrid;

// What "Print Labels" is handed when the main window gives it the address
// file.
struct TLabelSetupContext {
    quorvel::TAddressDataset& addresses;
    // LABEL.DBF, open on rows not deleted in DESCRIPT order.
    quorvel::TDataset& layouts;
    const quorvel::THomeFolder& home;
    quorvel::TIniFile& ini;
    // False without a filter: only all records, or the current one.
    bool filterChoiceEnabled = true;
    // The label run's questions and errors, and how a preview window is
    // prepared (placement, Help); the program's own when it gives them.
    output::TOutputDialogs& outputDialogs;
    std::function<void(output::TPreviewForm&)> preparePreview;
};

// "Print Labels": the label layouts with New, Modify, Delete and Clone,
// the choice of records, and Print and Preview for the highlighted layout.
class TLabelSetupScreen : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 3300;

    explicit TLabelSetupScreen(TLabelSetupContext context, QWidget* parent = nullptr);

    const TLabelSetupOptions& Options() const { return options_; }
    const TLabelPicks& Picks() const { return picks_; }

    void NewButtonClick();
    void ModifyButtonClick();
    void DeleteButtonClick();
    void CloneButtonClick();
    void PrintNowClick() { StartRun(false); }
    void PreviewbuttonClick() { StartRun(true); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* MakeOptions();
    QWidget* MakeButtons();
    void FormActivate();
    void ShowLayouts(std::uint32_t current);
    bool GoToHighlighted();
    // The highlighted layout, checked; nothing (the user told why) when its
    // row cannot be used.
    std::optional<TLabelLayout> HighlightedLayout();
    void UpdateButtons();
    void ShowOptions();
    void ShowPrinters();
    void ShowFailure(const QStringList& messages);

    void EditLayout(TLabelLayout layout, bool isNew);
    // Reads the layout's design into the screen, or names a new design
    // file; false (the user told why) when the screen must not open.
    bool OpenDesign(TLabelDesignScreen& screen, TLabelLayout& layout, bool isNew);
    using TLayoutQuestion = std::function<QString(const TLabelLayout&)>;
    using TLayoutCommand = std::function<quorvel::TTableResult(quorvel::TDataset&, const QString&)>;
    // Delete and Clone: the question about the highlighted layout, then on
    // Yes the command on its row.
    void AskAndRun(const TLayoutQuestion& question, const QString& caption, const TLayoutCommand& command);
    void StartRun(bool preview);
    // The label run of the highlighted layout with the picked positions.
    void RunLabels(const TLabelLayout& layout, bool preview);

    TLabelSetupContext context_;
    TLabelSetupOptions options_;
    TLabelPicks picks_;
    bool opened_ = false;

    TLayoutRowGrid* LayoutGrid;
    QGroupBox* WhatToPrint;
    QGroupBox* RunOptions;
    QRadioButton* rbQAll;
    QRadioButton* rbQFilter;
    QRadioButton* rbOnlyThis;
    QCheckBox* StartCurrentCheck;
    QCheckBox* PresortCheck;
    QComboBox* PrinterCombo;
    QPushButton* PrintNow;
    QPushButton* Previewbutton;
    QPushButton* ModifyButton;
    QPushButton* NewButton;
    QPushButton* DeleteButton;
    QPushButton* CloneButton;
};

} // namespace labels
