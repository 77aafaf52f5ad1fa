#pragma once

#include "design/model/address_record.h"
#include "design/model/design_owner.h"
#include "envelopes/envelope_layouts.h"
#include "envelopes/envelope_run.h"
#include "envelopes/windows/envelope_panel.h"
#include "store/dataset_result.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QPushButton;


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

namespace envelopes {

class TEnvelopeCurrentRecord;

// What "Print Envelope" is handed when the main window gives it the
// address file.
struct TEnvelopeSetupContext {
    quorvel::TAddressDataset& addresses;
    // ENVELOPE.DBF, open on rows not deleted in DESCRIPT order.
    quorvel::TDataset& layouts;
    const quorvel::THomeFolder& home;
    quorvel::TIniFile& ini;
    // The run's questions and errors, and how a preview window is prepared
    // (placement, Help); the program's own when it gives them.
    output::TOutputDialogs& outputDialogs;
    std::function<void(output::TPreviewForm&)> preparePreview;
};

// "Print Envelope": the envelope layouts with New, Modify, Delete and
// Clone, a small picture of the highlighted one addressed to the current
// record, the choice of records, and Print and Preview.
class TQVEnvelopes : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 4100;
    // Designs are made and printed at this resolution.
    static constexpr int kPixelsPerInch = 96;
    static constexpr float kDisplayZoom = 0.3f;

    explicit TQVEnvelopes(TEnvelopeSetupContext context, QWidget* parent = nullptr);
    ~TQVEnvelopes() override;

    const TEnvelopeRunOptions& Options() const { return options_; }
    TEnvelopePanel& Display() { return *EDisplay; }

    void NewButtonClick();
    void ModifyButtonClick();
    void DeleteButtonClick();
    void CloneButtonClick();
    void PrintButtonClick() { StartRun(false); }
    void PreviewButtonClick() { StartRun(true); }
    void PrinterSetupButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* MakeWhatToPrint();
    QWidget* MakeButtons();
    QWidget* MakeDisplay();
    void FormActivate();
    void ShowLayouts(std::uint32_t current);
    bool GoToHighlighted();
    void UpdateButtons();
    void ShowOptions();
    // EDisplay: the highlighted layout's design, a third of its size.
    void ShowDisplayEnvelope();
    void ShowFailure(const QStringList& messages);

    // New and Modify: the design screen on the layout, which writes the row
    // and the design file on Save.
    void EditLayout(const TEnvelopeLayout& layout, bool isNew);
    using TLayoutQuestion = std::function<QString(const TEnvelopeLayout&)>;
    using TLayoutCommand = std::function<quorvel::TTableResult(quorvel::TDataset&, const QString&)>;
    // Delete and Clone: the question about the highlighted layout, then on
    // Yes the command on its row.
    void AskAndRun(const TLayoutQuestion& question, const QString& caption, const TLayoutCommand& command);
    void StartRun(bool preview);

    TEnvelopeSetupContext context_;
    TEnvelopeRunOptions options_;
    design::TGDesignOwner displayOwner_;
    design::TGAddressRecord record_;
    bool opened_ = false;

    labels::TLayoutRowGrid* EnvelopeSetupGrid;
    labels::TRecordChoiceBox* WhatToPrint;
    TEnvelopeCurrentRecord* CurrentRecord;
    TEnvelopePanel* EDisplay;
    QPushButton* PrintButton;
    QPushButton* PreviewButton;
    QPushButton* ModifyButton;
    QPushButton* NewButton;
    QPushButton* DeleteButton;
    QPushButton* CloneButton;
};

} // namespace envelopes
