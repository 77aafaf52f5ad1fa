// The design screen's tools and view: the creation tools, zoom, the record
// buttons and the default font.
#include "design/model/dialog_font.h"
#include "labels/label_font_preferences.h"
#include "labels/windows/label_design_panel.h"
#include "labels/windows/label_design_screen.h"
#include "labels/windows/label_design_tools.h"
#include "store/dataset.h"
#include "store/ini_file.h"
#include "ui/services.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>

namespace labels {

namespace {

constexpr int kZoomStep = 10; // percent
constexpr int kZoomOutFloor = 50; // zooming out stops once below this
constexpr int kZoomInCeiling = 150; // zooming in stops once above this

const QString kPostNetTooWide
    = QStringLiteral("This label is not wide enough for a \rpostnet barcode. At least 2.85 inches are needed");

} // namespace

void TLabelDesignScreen::ToolClick(int tool)
{
    const auto tools = LabelDesignTools();
    if (tool < 0 || tool >= static_cast<int>(tools.size()))
        return;
    design::TLPanelState state = tools[static_cast<std::size_t>(tool)].state;
    if (state == design::TLPanelState::psPostNetBarCode && layout_.stock.geometry.width < kPostNetMinimumWidth) {
        quorvel::TServices::messages().information(this, kPostNetTooWide);
        Tools->button(0)->setChecked(true);
        state = design::TLPanelState::psPointing;
    }
    LabelPanel->SetPanelState(state);
}

void TLabelDesignScreen::ZoomBy(int steps)
{
    if (steps < 0 && zoomPercent_ < kZoomOutFloor)
        return;
    if (steps > 0 && zoomPercent_ > kZoomInCeiling)
        return;
    zoomPercent_ += steps * kZoomStep;
    const bool wasQuiet = quiet_;
    quiet_ = true;
    LabelPanel->SetZoom(static_cast<float>(zoomPercent_) / 100.0f);
    quiet_ = wasQuiet;
    ShowZoomCaption();
}

void TLabelDesignScreen::ShowZoomCaption()
{
    ZoomCaption->setText(QString::number(zoomPercent_) + u'%');
}

void TLabelDesignScreen::MoveRecord(QPushButton* button)
{
    quorvel::TDataset* addresses = context_.addresses;
    if (!addresses)
        return;
    if (button == FirstButton)
        addresses->First();
    else if (button == PriorButton)
        addresses->Prior();
    else if (button == NextButton)
        addresses->Next();
    else
        addresses->Last();
    // Back at the first record the counters start again, as the first
    // label of a run would; any other move shows the next label.
    if (button == FirstButton)
        LabelPanel->ResetAllCounters();
    else
        LabelPanel->AdvanceAllCounters();
    LabelPanel->RefreshData();
    LabelPanel->update();
}

void TLabelDesignScreen::LoadDefaultFont()
{
    const TLabelFontPreferences prefs
        = context_.ini ? TLabelFontPreferences::Load(*context_.ini) : TLabelFontPreferences {};
    LabelPanel->setFont(design::DialogFont(prefs.DesignFont(owner_.PixelsPerInch()), owner_.PixelsPerInch()));
    ShowDefaultFontCaption();
}

void TLabelDesignScreen::ShowDefaultFontCaption()
{
    const QFont font = LabelPanel->font();
    QString caption = QStringLiteral("Default Font: ") + font.family() + QStringLiteral(", ")
        + QString::number(font.pointSize()) + QStringLiteral(" pt ");
    if (font.bold())
        caption += QStringLiteral(", bold");
    if (font.italic())
        caption += QStringLiteral(", italic");
    DefaultFontbutton->setText(caption);
}

void TLabelDesignScreen::DefaultFontbuttonClick()
{
    const std::optional<QFont> chosen = quorvel::TServices::dialogs().font(this, LabelPanel->font());
    if (!chosen)
        return;
    LabelPanel->setFont(*chosen);
    ShowDefaultFontCaption();
    if (!context_.ini)
        return;
    TLabelFontPreferences prefs;
    prefs.name = chosen->family();
    prefs.size = chosen->pointSize();
    prefs.bold = chosen->bold();
    prefs.italic = chosen->italic();
    if (!prefs.Save(*context_.ini))
        quorvel::TServices::messages().error(
            this, QStringLiteral("The default font could not be saved: ") + context_.ini->lastError());
}

} // namespace labels
