#include "labels/windows/label_design_screen.h"

#include "labels/new_label_design.h"
#include "labels/windows/label_design_panel.h"
#include "labels/windows/label_design_tools.h"
#include "ui/services.h"

#include <QAbstractButton>
#include <QLabel>
#include <QToolButton>

namespace labels {

namespace {

const QString kNewLabelMessage = QStringLiteral(
    "A new label has been created using the Avery 5160\rformat. To change to another label format, click on\rthe "
    "Change Layout button.\r\rA Database Mailing Address object has already been \radded to the label.\r\rFor "
    "additional assistance, click the Help button");

const QString kPostNetTooWide
    = QStringLiteral("This label is not wide enough for a \rpostnet barcode. At least 2.85 inches are needed");

const TDesignScreenKind kLabelScreen {
    .objectName = "LabelDesignScreen",
    .title = "Label Design Screen",
    .sizeTitle = "Layout:",
    .sizeCaptionName = "TemplateType",
    .changeButtonName = "ChangeLayoutButton",
    .changeButtonText = "Change Layout",
    .descriptionName = "LabelSetupDescription",
    .fontSection = "Label",
    .helpContext = TLabelDesignScreen::kHelpContext,
    .zoomOutWhileAtLeast = 50,
    .zoomInWhileAtMost = 150,
};

} // namespace

TLabelDesignScreen::TLabelDesignScreen(TLabelDesignContext context, QWidget* parent)
    : TDesignScreen(context, kLabelScreen, parent)
    , stockArt_(std::move(context.stockArt))
{
    LabelPanel = new TLabelDesignPanel(Owner(), context_.sysdataFolder);
    BuildScreen(LabelPanel, DesignToolButtons(LabelDesignTools()));
    SetLayout(layout_);
}

void TLabelDesignScreen::AddViewToggles(QWidget* bar)
{
    ShowArt = AddToggle(bar, "ShowArt", "Art", "Show art");
    connect(ShowArt, &QToolButton::toggled, this, &TLabelDesignScreen::ShowArtClick);
}

void TLabelDesignScreen::SetLayout(const TLabelLayout& layout)
{
    const bool wasQuiet = Quiet();
    SetQuiet(true);
    layout_ = layout;
    SetDescription(layout_.description);
    SizeCaption->setText(LayoutCaption(layout_.stock));
    const TLabelGeometry& geometry = layout_.stock.geometry;
    SetLabelSizeFromInches(geometry.shape, geometry.width, geometry.height);
    ShowArt->setEnabled(!layout_.stock.art.isEmpty());
    SetQuiet(wasQuiet);
}

void TLabelDesignScreen::FormActivate()
{
    RestorePlacement();
    SetQuiet(true);
    SetLayout(layout_);
    if (!layout_.stock.art.isEmpty()) {
        ShowArt->setChecked(true);
        ShowArtClick();
    }
    SaveButton->hide();
    SetQuiet(false);
    if (newLabel_)
        AddNewLabelBlock();
}

void TLabelDesignScreen::AddNewLabelBlock()
{
    const int addressTool = static_cast<int>(LabelDesignTools().size()) - 1;
    SelectTool(addressTool);
    LabelPanel->SetPanelState(design::TLPanelState::psAddressLabel);
    design::TGGraphicControl* block
        = AddNewLabelAddressBlock(Owner(), LabelPanel->Objects(), labelSize_, LabelPanel->NewObjectFont());
    LabelPanel->AdoptObjects();
    SelectTool(0);
    LabelPanel->SetPanelState(design::TLPanelState::psPointing);
    LabelPanel->SelectObject(block, false);
    // A new layout is not in the table yet: it can be saved as it is.
    MarkChanged();
    quorvel::TServices::messages().information(this, kNewLabelMessage);
}

bool TLabelDesignScreen::KeepLayout(const QString& description)
{
    layout_.description = description;
    return true;
}

void TLabelDesignScreen::ToolClick(int tool)
{
    const auto tools = LabelDesignTools();
    if (tool < 0 || tool >= static_cast<int>(tools.size()))
        return;
    design::TLPanelState state = tools[static_cast<std::size_t>(tool)].state;
    if (state == design::TLPanelState::psPostNetBarCode && layout_.stock.geometry.width < kPostNetMinimumWidth) {
        quorvel::TServices::messages().information(this, kPostNetTooWide);
        SelectTool(0);
        state = design::TLPanelState::psPointing;
    }
    LabelPanel->SetPanelState(state);
}

} // namespace labels
