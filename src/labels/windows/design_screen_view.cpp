// The design screen's view: zoom, the record buttons and the default font.
#include "design/model/dialog_font.h"
#include "design/panels/panel_data.h"
#include "labels/label_font_preferences.h"
#include "labels/windows/design_screen.h"
#include "store/dataset.h"
#include "store/ini_file.h"
#include "ui/services.h"

#include <QLabel>
#include <QPushButton>

namespace labels {

namespace {

constexpr int kZoomStep = 10; // percent

} // namespace

void TDesignScreen::ZoomBy(int steps)
{
    // Counted in whole percent, so that no number of steps drifts off the
    // tenths.
    if (steps < 0 && zoomPercent_ < kind_.zoomOutWhileAtLeast)
        return;
    if (steps > 0 && zoomPercent_ > kind_.zoomInWhileAtMost)
        return;
    zoomPercent_ += steps * kZoomStep;
    const bool wasQuiet = quiet_;
    quiet_ = true;
    for (design::TGDataPanel* surface : surfaces_)
        surface->SetZoom(static_cast<float>(zoomPercent_) / 100.0f);
    quiet_ = wasQuiet;
    ShowZoomCaption();
}

void TDesignScreen::ShowZoomCaption()
{
    ZoomCaption->setText(QString::number(zoomPercent_) + u'%');
}

void TDesignScreen::MoveRecord(QPushButton* button)
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
    for (design::TGDataPanel* surface : surfaces_) {
        if (button == FirstButton)
            surface->ResetAllCounters();
        else
            surface->AdvanceAllCounters();
        surface->RefreshData();
        surface->update();
    }
    RecordMoved();
}

void TDesignScreen::LoadDefaultFont()
{
    const QString section = QString::fromLatin1(kind_.fontSection);
    const TLabelFontPreferences prefs
        = context_.ini ? TLabelFontPreferences::Load(*context_.ini, section) : TLabelFontPreferences {};
    SetDefaultFont(design::DialogFont(prefs.DesignFont(owner_.PixelsPerInch()), owner_.PixelsPerInch()));
}

void TDesignScreen::SetDefaultFont(const QFont& font)
{
    for (design::TGDataPanel* surface : surfaces_)
        surface->setFont(font);
    ShowDefaultFontCaption();
}

void TDesignScreen::ShowDefaultFontCaption()
{
    const QFont font = surfaces_.front()->font();
    QString caption = QStringLiteral("Default Font: ") + font.family() + QStringLiteral(", ")
        + QString::number(font.pointSize()) + QStringLiteral(" pt ");
    if (font.bold())
        caption += QStringLiteral(", bold");
    if (font.italic())
        caption += QStringLiteral(", italic");
    DefaultFontbutton->setText(caption);
}

void TDesignScreen::DefaultFontbuttonClick()
{
    const std::optional<QFont> chosen = quorvel::TServices::dialogs().font(this, surfaces_.front()->font());
    if (!chosen)
        return;
    SetDefaultFont(*chosen);
    KeepDefaultFont(*chosen);
}

void TDesignScreen::KeepDefaultFont(const QFont& font)
{
    if (!context_.ini || !kind_.fontSection)
        return;
    TLabelFontPreferences prefs;
    prefs.name = font.family();
    prefs.size = font.pointSize();
    prefs.bold = font.bold();
    prefs.italic = font.italic();
    if (!prefs.Save(*context_.ini, QString::fromLatin1(kind_.fontSection)))
        quorvel::TServices::messages().error(
            this, QStringLiteral("The default font could not be saved: ") + context_.ini->lastError());
}

} // namespace labels
