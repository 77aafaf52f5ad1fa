#pragma once

#include "reports/report_settings.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace reports {

// One band's page of "Report Layout": which edges of the band get a line,
// how wide, and the shade behind it.
class TReportBandTab : public QWidget {
    Q_OBJECT

public:
    explicit TReportBandTab(QWidget* parent = nullptr);

    void Show(const TBandBorder& border);
    TBandBorder Border() const;

signals:
    // The user changed something on the page.
    void Changed();

private:
    void SelectShadeColor(QRgb color);

    bool showing_ = false;
    QCheckBox* top_;
    QCheckBox* left_;
    QCheckBox* bottom_;
    QCheckBox* right_;
    QSpinBox* lineWidth_;
    QSpinBox* shadePercent_;
    QComboBox* shadeColor_;
};

} // namespace reports
