#include "reports/windows/report_page_view.h"

#include "design/model/design_owner.h"
#include "design/model/record_values.h"
#include "design/panels/panel_report.h"
#include "reports/report_page_area.h"
#include "reports/band_settings.h"
#include "reports/windows/h_ruler.h"
#include "reports/windows/report_band_sizer.h"
#include "reports/windows/report_fonts.h"
#include "ui/services.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace reports {

namespace {

constexpr std::array<TReportBand, 4> kBands { rbHeader, rbDetail, rbMemo, rbFooter };

struct TBandNames {
    const char* caption;
    const char* switchName;
    const char* bandName;
    const char* sizerName;
    design::TRPanelKind kind;
};

constexpr std::array<TBandNames, 4> kNames { {
    { "Header", "HeaderCheck", "HeaderBand", "HeaderSizer", design::TRPanelKind::rpkHeader },
    { "Detail", "DetailCheck", "DetailBand", "DetailSizer", design::TRPanelKind::rpkDetail },
    { "Memo", "MemoCheck", "MemoBand", "MemoSizer", design::TRPanelKind::rpkMemo },
    { "Footer", "FooterCheck", "FooterBand", "FooterSizer", design::TRPanelKind::rpkFooter },
} };

// MemoAlignment: 0 left, 1 right, 2 centred; the menu lists them left,
// centred, right.
constexpr std::array<int, 3> kMenuAlignments { 0, 2, 1 };

Qt::Alignment MemoTextAlignment(int alignment)
{
    switch (alignment) {
    case 1:
        return Qt::AlignRight | Qt::AlignTop;
    case 2:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

} // namespace

TReportPageView::TReportPageView(
    design::TGDesignOwner& owner, const QString& clipboardFolder, TReportSettings& settings, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , pixelsPerInch_(owner.PixelsPerInch())
    , ruler_(new THRuler(owner.PixelsPerInch(), this))
{
    setObjectName(QStringLiteral("PageArea"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    for (TReportBand band : kBands) {
        const TBandNames& names = kNames[band];
        captions_[band] = MakeCaption(band, QString::fromLatin1(names.caption));
        if (band == rbMemo) {
            memoBand_ = new QLabel(this);
            memoBand_->setObjectName(QString::fromLatin1(names.bandName));
            memoBand_->setAutoFillBackground(true);
            memoBand_->setBackgroundRole(QPalette::Base);
            memoBand_->setWordWrap(true);
            memoBand_->setTextInteractionFlags(Qt::NoTextInteraction);
        } else {
            bands_[band] = new design::TReportPanel(owner, names.kind, clipboardFolder, this);
            bands_[band]->setObjectName(QString::fromLatin1(names.bandName));
        }
        sizers_[band] = new TReportBandSizer(this);
        sizers_[band]->setObjectName(QString::fromLatin1(names.sizerName));
        if (band != rbMemo) {
            connect(sizers_[band], &TReportBandSizer::DragStarted, this,
                [this, band] { heightAtPress_ = BandHeight(settings_, band); });
            connect(sizers_[band], &TReportBandSizer::Dragged, this,
                [this, band](int movedBy) { SizerDragged(band, movedBy); });
            connect(sizers_[band], &TReportBandSizer::DragEnded, this, [this, band] { SizerReleased(band); });
        }
    }
    Relayout();
}

QWidget* TReportPageView::MakeCaption(TReportBand band, const QString& text)
{
    auto* caption = new QWidget(this);
    caption->setAutoFillBackground(true);
    caption->setBackgroundRole(QPalette::Button);
    auto* row = new QHBoxLayout(caption);
    row->setContentsMargins(4, 0, 4, 0);
    auto* bandSwitch = new QCheckBox(text, caption);
    bandSwitch->setObjectName(QString::fromLatin1(kNames[band].switchName));
    switches_[band] = bandSwitch;
    row->addWidget(bandSwitch);
    row->addStretch();
    if (band == rbMemo)
        MakeMemoMenu(caption);
    connect(bandSwitch, &QCheckBox::clicked, this, [this, band](bool on) { SwitchClicked(band, on); });
    return caption;
}

void TReportPageView::MakeMemoMenu(QWidget* caption)
{
    auto* properties = new QToolButton(caption);
    properties->setObjectName(QStringLiteral("MemoPropertiesButton"));
    properties->setText(QStringLiteral("Properties"));
    properties->setAutoRaise(true);
    properties->setPopupMode(QToolButton::InstantPopup);
    memoMenu_ = new QMenu(properties);
    memoMenu_->setObjectName(QStringLiteral("MemoMenu"));
    connect(memoMenu_->addAction(QStringLiteral("Font")), &QAction::triggered, this, &TReportPageView::ChooseMemoFont);
    auto* group = new QActionGroup(memoMenu_);
    const std::array<const char*, 3> texts { "Left Aligned", "Centered", "Right Aligned" };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        QAction* action = memoMenu_->addAction(QString::fromLatin1(texts[i]));
        action->setCheckable(true);
        group->addAction(action);
        const int alignment = kMenuAlignments[i];
        connect(action, &QAction::triggered, this, [this, alignment] { SetMemoAlignment(alignment); });
        alignments_[i] = action;
    }
    properties->setMenu(memoMenu_);
    caption->layout()->addWidget(properties);
}

void TReportPageView::Relayout()
{
    const TPageAreaLayout layout = LayoutPageArea(settings_, MemoBandHeight(settings_), pixelsPerInch_);
    ruler_->setGeometry(0, 0, layout.bandWidth, kRulerHeight);
    ruler_->SetStart(settings_.leftMargin);
    for (TReportBand band : kBands) {
        const auto place = [&](QWidget* widget, const TPageAreaStrip& strip) {
            widget->setGeometry(0, kRulerHeight + strip.top, layout.bandWidth, strip.height);
            widget->setVisible(strip.height > 0);
        };
        place(captions_[band], layout.captions[band]);
        place(band == rbMemo ? static_cast<QWidget*>(memoBand_) : bands_[band], layout.bands[band]);
        place(sizers_[band], layout.sizers[band]);
        sizers_[band]->setEnabled(layout.sizerEnabled[band] && band != rbMemo);
        switches_[band]->setChecked(BandInUse(settings_, band));
    }
    setFixedSize(layout.bandWidth, kRulerHeight + layout.areaHeight);
    ShowMemoLooks();
}

void TReportPageView::SwitchClicked(TReportBand band, bool on)
{
    SwitchBand(settings_, band, on, MemoBandHeight(settings_), pixelsPerInch_);
    Relayout();
    emit Changed();
}

void TReportPageView::SizerDragged(TReportBand band, int movedBy)
{
    const int wanted = std::max(0, heightAtPress_ + movedBy);
    const int fitted = FitBandHeight(settings_, band, wanted, MemoBandHeight(settings_), pixelsPerInch_);
    if (fitted == BandHeight(settings_, band))
        return;
    BandHeight(settings_, band) = fitted;
    Relayout();
}

void TReportPageView::SizerReleased(TReportBand band)
{
    bands_[band]->KeepObjectsInside();
    if (BandHeight(settings_, band) != heightAtPress_)
        emit Changed();
}

void TReportPageView::ShowMemo(const design::TGRecordSource* record)
{
    memoBand_->setText(record ? record->MemoText(QStringLiteral("MEMO")) : QString());
}

void TReportPageView::ChooseMemoFont()
{
    const std::optional<QFont> chosen = quorvel::TServices::dialogs().font(this, MemoBandFont(settings_));
    if (!chosen)
        return;
    KeepMemoBandFont(settings_, *chosen);
    ShowMemoLooks();
    emit Changed();
}

void TReportPageView::SetMemoAlignment(int alignment)
{
    settings_.memoAlignment = alignment;
    ShowMemoLooks();
    emit Changed();
}

void TReportPageView::ShowMemoLooks()
{
    memoBand_->setFont(MemoBandFont(settings_));
    memoBand_->setAlignment(MemoTextAlignment(settings_.memoAlignment));
    for (std::size_t i = 0; i < alignments_.size(); ++i)
        alignments_[i]->setChecked(kMenuAlignments[i] == settings_.memoAlignment);
}

} // namespace reports
