#include "envelopes/windows/envelope_design_screen.h"

#include "envelopes/envelope_sizes.h"
#include "envelopes/windows/choose_envelope_layout.h"
#include "envelopes/windows/envelope_design_tools.h"
#include "envelopes/windows/envelope_panel.h"
#include "labels/windows/dialog_buttons.h"
#include "store/dataset.h"
#include "ui/services.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace envelopes {

namespace {

// Zoom goes from 50 % to 150 %.
const labels::TDesignScreenKind kEnvelopeScreen {
    .objectName = "EnvelopeDesignScreen",
    .title = "Envelope Design Screen",
    .sizeTitle = "Size:",
    .sizeCaptionName = "EnvelopeSizeCaption",
    .changeButtonName = "ChangeSizeButton",
    .changeButtonText = "Change Size",
    .descriptionName = "EnvelopeDescription",
    .fontSection = "Envelope",
    .helpContext = TEnvelopeDesignScreen::kHelpContext,
    .zoomOutWhileAtLeast = 60,
    .zoomInWhileAtMost = 140,
};

void ShowMessages(QWidget* window, const QStringList& messages)
{
    for (const QString& message : messages)
        quorvel::TServices::messages().information(window, message);
}

} // namespace

TEnvelopeDesignScreen::TEnvelopeDesignScreen(
    TEnvelopeDesignContext context, const TEnvelopeLayout& layout, bool isNew, QWidget* parent)
    : TDesignScreen(context, kEnvelopeScreen, parent)
    , layout_(layout)
    , isNew_(isNew)
    , printer_(context.printer)
    , layouts_(context.layouts)
{
    // A row of no known size opens as the default envelope; the row itself
    // changes only on Save.
    layout_.sizeCode = EnvelopeSizeOrDefault(layout_.sizeCode).code;
    if (layouts_ && !isNew_)
        layoutRow_ = layouts_->RecNo();
    EnvelopePanel = new TEnvelopePanel(Owner(), context_.sysdataFolder);
    EnvelopePanel->SetPrinterArea(printer_);
    BuildScreen(EnvelopePanel, labels::DesignToolButtons(EnvelopeDesignTools()));
    SetDescription(layout_.description);
    ShowEnvelopeSize();
}

bool TEnvelopeDesignScreen::LoadDesign()
{
    if (isNew_)
        return true;
    const TEnvelopeDesignLoad load
        = LoadEnvelopeDesign(context_.sysdataFolder, layout_.designFile, Owner(), EnvelopePanel->Objects());
    if (!load.found) {
        // Saved under a name of its own, never over whatever the row named.
        layout_.designFile.clear();
        return true;
    }
    if (!load.status.IsOk()) {
        quorvel::TServices::messages().information(this, load.status.Message());
        return false;
    }
    EnvelopePanel->AdoptObjects();
    return true;
}

void TEnvelopeDesignScreen::AddViewToggles(QWidget* bar)
{
    ShowPrinterMarginsButton = AddToggle(bar, "ShowPrinterMarginsButton", "Margins",
        "Shows the current printer's unprintable areas as a red dotted line");
    USPSTemplate = AddToggle(bar, "USPSTemplate", "USPS", "Show USPS Automation Template");
    connect(ShowPrinterMarginsButton, &QToolButton::toggled, this,
        [this](bool on) { EnvelopePanel->SetShowPrinterMargins(on); });
    connect(USPSTemplate, &QToolButton::toggled, this, [this](bool on) { EnvelopePanel->SetShowAutomationTemplate(on); });
}

void TEnvelopeDesignScreen::ToolClick(int tool)
{
    const auto tools = EnvelopeDesignTools();
    if (tool >= 0 && tool < static_cast<int>(tools.size()))
        EnvelopePanel->SetPanelState(tools[static_cast<std::size_t>(tool)].state);
}

void TEnvelopeDesignScreen::FormActivate()
{
    RestorePlacement();
    SetQuiet(true);
    ShowEnvelopeSize();
    SaveButton->hide();
    SetQuiet(false);
}

void TEnvelopeDesignScreen::ShowEnvelopeSize()
{
    const TEnvelopeSize& size = EnvelopeSizeOrDefault(layout_.sizeCode);
    SizeCaption->setText(size.caption);
    ResizeSurface(EnvelopeSurfaceSize(QSizeF(size.width, size.height), Owner().PixelsPerInch()));
}

void TEnvelopeDesignScreen::ChangeSizeButtonClick()
{
    TChooseEnvelopeLayout choose(layout_.sizeCode, this);
    if (choose.exec() != labels::kResultOk)
        return;
    layout_.sizeCode = choose.ChosenCode();
    ShowEnvelopeSize();
    EnvelopePanel->KeepObjectsInside();
    SaveButton->show();
}

bool TEnvelopeDesignScreen::KeepLayout(const QString& description)
{
    layout_.description = description;
    if (layouts_) {
        // Back on the layout's own row, wherever the table was moved meanwhile.
        if (!isNew_)
            layouts_->GoTo(layoutRow_);
        const quorvel::TTableResult saved = SaveEnvelopeLayout(*layouts_, context_.sysdataFolder, layout_,
            isNew_ ? labels::TLayoutSave::lsNew : labels::TLayoutSave::lsExisting,
            [this](const QString& path) { return EnvelopePanel->SaveToFile(path); });
        if (!saved) {
            ShowMessages(this, saved.messages);
            return false;
        }
    }
    saved_ = true;
    return true;
}

} // namespace envelopes
