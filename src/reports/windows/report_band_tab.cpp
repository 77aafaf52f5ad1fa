#include "reports/windows/report_band_tab.h"

#include "labels/windows/dialog_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>

namespace reports {

namespace {

using labels::Named;

struct TNamedColor {
    const char* name;
    QRgb rgb;
};

// The sixteen colours every colour list of the program offers.
constexpr std::array<TNamedColor, 16> kColors { {
    { "Black", 0xFF000000 },
    { "Maroon", 0xFF800000 },
    { "Green", 0xFF008000 },
    { "Olive", 0xFF808000 },
    { "Navy", 0xFF000080 },
    { "Purple", 0xFF800080 },
    { "Teal", 0xFF008080 },
    { "Gray", 0xFF808080 },
    { "Silver", 0xFFC0C0C0 },
    { "Red", 0xFFFF0000 },
    { "Lime", 0xFF00FF00 },
    { "Yellow", 0xFFFFFF00 },
    { "Blue", 0xFF0000FF },
    { "Fuchsia", 0xFFFF00FF },
    { "Aqua", 0xFF00FFFF },
    { "White", 0xFFFFFFFF },
} };

QIcon Swatch(QRgb color)
{
    QPixmap swatch(16, 12);
    swatch.fill(QColor::fromRgb(color));
    QPainter(&swatch).drawRect(0, 0, 15, 11);
    return QIcon(swatch);
}

} // namespace

TReportBandTab::TReportBandTab(QWidget* parent)
    : QWidget(parent)
    , top_(Named(new QCheckBox(QStringLiteral("Top")), "BorderTop"))
    , left_(Named(new QCheckBox(QStringLiteral("Left")), "BorderLeft"))
    , bottom_(Named(new QCheckBox(QStringLiteral("Bottom")), "BorderBottom"))
    , right_(Named(new QCheckBox(QStringLiteral("Right")), "BorderRight"))
    , lineWidth_(Named(new QSpinBox, "LineWidth"))
    , shadePercent_(Named(new QSpinBox, "ShadePercent"))
    , shadeColor_(Named(new QComboBox, "ShadeColor"))
{
    auto* borders = new QGroupBox(QStringLiteral("Borders"), this);
    auto* edges = new QGridLayout(borders);
    edges->addWidget(top_, 0, 0);
    edges->addWidget(left_, 0, 1);
    edges->addWidget(bottom_, 1, 0);
    edges->addWidget(right_, 1, 1);

    lineWidth_->setRange(1, 3);
    shadePercent_->setRange(0, 100);
    shadePercent_->setSingleStep(20);
    shadePercent_->setSuffix(QStringLiteral(" %"));
    for (const TNamedColor& color : kColors)
        shadeColor_->addItem(Swatch(color.rgb), QString::fromLatin1(color.name), QVariant::fromValue(color.rgb));

    auto* values = new QFormLayout;
    values->addRow(QStringLiteral("Line Width"), lineWidth_);
    values->addRow(QStringLiteral("Shade Percent"), shadePercent_);
    values->addRow(QStringLiteral("Shade Color"), shadeColor_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(borders);
    column->addLayout(values);
    column->addStretch();

    const auto changed = [this] {
        if (!showing_)
            emit Changed();
    };
    for (QCheckBox* edge : { top_, left_, bottom_, right_ })
        connect(edge, &QCheckBox::toggled, this, changed);
    connect(lineWidth_, &QSpinBox::valueChanged, this, changed);
    connect(shadePercent_, &QSpinBox::valueChanged, this, changed);
    connect(shadeColor_, &QComboBox::currentIndexChanged, this, changed);
}

void TReportBandTab::Show(const TBandBorder& border)
{
    showing_ = true;
    top_->setChecked(border.top);
    left_->setChecked(border.left);
    bottom_->setChecked(border.bottom);
    right_->setChecked(border.right);
    lineWidth_->setValue(border.lineWidth);
    shadePercent_->setValue(border.shadePercent);
    SelectShadeColor(border.shadeColor);
    showing_ = false;
}

void TReportBandTab::SelectShadeColor(QRgb color)
{
    int index = shadeColor_->findData(QVariant::fromValue(color | 0xFF000000));
    if (index < 0) {
        // A colour from a file that the list lacks stays what it was.
        shadeColor_->addItem(Swatch(color), QStringLiteral("Custom"), QVariant::fromValue(color | 0xFF000000));
        index = shadeColor_->count() - 1;
    }
    shadeColor_->setCurrentIndex(index);
}

TBandBorder TReportBandTab::Border() const
{
    TBandBorder border;
    border.top = top_->isChecked();
    border.left = left_->isChecked();
    border.bottom = bottom_->isChecked();
    border.right = right_->isChecked();
    border.lineWidth = lineWidth_->value();
    border.shadePercent = shadePercent_->value();
    border.shadeColor = shadeColor_->currentData().value<QRgb>();
    return border;
}

} // namespace reports
