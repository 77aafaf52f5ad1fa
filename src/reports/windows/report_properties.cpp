#include "reports/windows/report_properties.h"

#include "labels/windows/dialog_buttons.h"
#include "reports/windows/report_band_tab.h"
#include "reports/windows/report_page_picture.h"
#include "ui/services.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace reports {

namespace {

using labels::MakeButton;
using labels::Named;

constexpr int kPortrait = 0;
constexpr int kLandscape = 1;
constexpr int kLetter = 0;
constexpr int kA4 = 1;

constexpr std::array<const char*, 4> kBandTabs { "Header", "Detail", "Memo", "Footer" };

QRadioButton* AddRadio(QButtonGroup* group, QBoxLayout* layout, const char* objectName, const char* text, int id)
{
    auto* button = Named(new QRadioButton(QString::fromLatin1(text)), objectName);
    group->addButton(button, id);
    layout->addWidget(button);
    return button;
}

void CheckNone(QButtonGroup* group)
{
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

void CheckId(QButtonGroup* group, int id)
{
    if (id < 0)
        CheckNone(group);
    else
        group->button(id)->setChecked(true);
}

} // namespace

TReportProperties::TReportProperties(const TReportSettings& settings, int pixelsPerInch, QWidget* parent)
    : QDialog(parent)
    , settings_(settings)
    , pixelsPerInch_(pixelsPerInch)
    , picture_(new TReportPagePicture(settings_, pixelsPerInch, this))
    , tabs_(Named(new QTabWidget(this), "LayoutTabs"))
    , orientation_(new QButtonGroup(this))
    , size_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("ReportProperties"));
    setWindowTitle(QStringLiteral("Report Layout"));

    // Every tab in sight: five short names need no scroll buttons.
    tabs_->setUsesScrollButtons(false);
    tabs_->addTab(MakePageTab(), QStringLiteral("Page"));
    for (TReportBand band : { rbHeader, rbDetail, rbMemo, rbFooter }) {
        auto* tab = new TReportBandTab(tabs_);
        tab->setObjectName(QString::fromLatin1(kBandTabs[band]) + QStringLiteral("Tab"));
        bandTabs_[band] = tab;
        tabs_->addTab(tab, QString::fromLatin1(kBandTabs[band]));
        connect(tab, &TReportBandTab::Changed, this, [this, band] { BandChanged(band); });
    }

    auto* defaults = MakeButton(this, "DefaultsButton", QStringLiteral("Defaults"));
    auto* save = MakeButton(this, "SaveButton", QStringLiteral("&Save"));
    auto* cancel = MakeButton(this, "CancelButton", QStringLiteral("Cancel"));
    auto* help = MakeButton(this, "HelpButton", QStringLiteral("&Help"));
    save->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* top = new QHBoxLayout;
    top->addWidget(picture_);
    top->addWidget(tabs_, 1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top, 1);
    column->addLayout(buttons);

    connect(picture_, &TReportPagePicture::BandClicked, this, &TReportProperties::OpenBandTab);
    connect(defaults, &QPushButton::clicked, this, &TReportProperties::DefaultsClick);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { quorvel::TServices::help().showTopic(kHelpContext); });
    ShowSettings();
}

QWidget* TReportProperties::MakePageTab()
{
    auto* page = new QWidget(tabs_);
    auto* orientationBox = new QGroupBox(QStringLiteral("Orientation"), page);
    auto* orientationColumn = new QVBoxLayout(orientationBox);
    AddRadio(orientation_, orientationColumn, "PortraitButton", "Portrait", kPortrait);
    AddRadio(orientation_, orientationColumn, "LandscapeButton", "Landscape", kLandscape);
    auto* sizeBox = new QGroupBox(QStringLiteral("Size"), page);
    auto* sizeColumn = new QVBoxLayout(sizeBox);
    AddRadio(size_, sizeColumn, "LetterButton", "Letter", kLetter);
    AddRadio(size_, sizeColumn, "A4Button", "A4", kA4);

    auto* marginBox = new QGroupBox(QStringLiteral("Margins (in inches)"), page);
    auto* marginForm = new QFormLayout(marginBox);
    const std::array<const char*, 4> names { "LeftMargin", "TopMargin", "RightMargin", "BottomMargin" };
    const std::array<const char*, 4> texts { "Left", "Top", "Right", "Bottom" };
    for (std::size_t i = 0; i < margins_.size(); ++i) {
        margins_[i] = MakeMargin(names[i]);
        marginForm->addRow(QString::fromLatin1(texts[i]), margins_[i]);
    }

    auto* paperRow = new QHBoxLayout;
    paperRow->addWidget(orientationBox);
    paperRow->addWidget(sizeBox);
    auto* column = new QVBoxLayout(page);
    column->addLayout(paperRow);
    column->addWidget(marginBox);
    column->addStretch();

    connect(orientation_, &QButtonGroup::idClicked, this, &TReportProperties::PaperClicked);
    connect(size_, &QButtonGroup::idClicked, this, &TReportProperties::PaperClicked);
    return page;
}

QDoubleSpinBox* TReportProperties::MakeMargin(const char* objectName)
{
    auto* margin = Named(new QDoubleSpinBox, objectName);
    margin->setRange(0.5, 2.5);
    margin->setDecimals(2);
    margin->setSingleStep(0.05);
    connect(margin, &QDoubleSpinBox::valueChanged, this, &TReportProperties::MarginChanged);
    return margin;
}

void TReportProperties::ShowSettings()
{
    showing_ = true;
    const TReportPaper paper = RecognisePaper(settings_, pixelsPerInch_);
    const bool known = paper != rpOtherPaper;
    CheckId(orientation_, !known ? -1 : (paper == rpLetterLandscape || paper == rpA4Landscape) ? kLandscape : kPortrait);
    CheckId(size_, !known ? -1 : (paper == rpA4Portrait || paper == rpA4Landscape) ? kA4 : kLetter);
    const std::array<int, 4> margins { settings_.leftMargin, settings_.topMargin, settings_.rightMargin,
        settings_.bottomMargin };
    for (std::size_t i = 0; i < margins_.size(); ++i)
        margins_[i]->setValue(static_cast<double>(margins[i]) / pixelsPerInch_);
    for (TReportBand band : { rbHeader, rbDetail, rbMemo, rbFooter })
        bandTabs_[band]->Show(settings_.borders[band]);
    showing_ = false;
    picture_->Refresh();
}

void TReportProperties::PaperClicked()
{
    // A page of another size has neither button set: the first click on
    // one group takes Letter or portrait for the other.
    if (size_->checkedId() < 0)
        size_->button(kLetter)->setChecked(true);
    if (orientation_->checkedId() < 0)
        orientation_->button(kPortrait)->setChecked(true);
    const bool a4 = size_->checkedId() == kA4;
    const bool landscape = orientation_->checkedId() == kLandscape;
    const TReportPaper paper = a4 ? (landscape ? rpA4Landscape : rpA4Portrait)
                                  : (landscape ? rpLetterLandscape : rpLetterPortrait);
    SetPaper(settings_, paper, pixelsPerInch_);
    picture_->Refresh();
}

void TReportProperties::MarginChanged()
{
    if (showing_)
        return;
    // Inches to whole pixels by truncation, as the page sizes are; the
    // small addition keeps 0.29 at 0.29 and not at 0.2899999.
    const auto pixels = [this](const QDoubleSpinBox* margin) {
        return static_cast<int>(margin->value() * pixelsPerInch_ + 1e-6);
    };
    settings_.leftMargin = pixels(margins_[0]);
    settings_.topMargin = pixels(margins_[1]);
    settings_.rightMargin = pixels(margins_[2]);
    settings_.bottomMargin = pixels(margins_[3]);
    picture_->Refresh();
}

void TReportProperties::BandChanged(TReportBand band)
{
    settings_.borders[band] = bandTabs_[band]->Border();
    picture_->update();
}

void TReportProperties::OpenBandTab(TReportBand band)
{
    tabs_->setCurrentWidget(bandTabs_[band]);
}

void TReportProperties::DefaultsClick()
{
    const TReportSettings fresh = NewReportSettings(pixelsPerInch_);
    SetPaper(settings_, rpLetterPortrait, pixelsPerInch_);
    settings_.leftMargin = fresh.leftMargin;
    settings_.topMargin = fresh.topMargin;
    settings_.rightMargin = fresh.rightMargin;
    settings_.bottomMargin = fresh.bottomMargin;
    settings_.borders = fresh.borders;
    ShowSettings();
}

} // namespace reports
