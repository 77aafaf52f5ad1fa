#pragma once

#include "reports/report_settings.h"

#include <QWidget>

#include <array>

namespace reports {

// Where the page picture draws each band: the printable area of the page
// scaled down, header at its top, footer at its bottom, detail and memo
// under the header. Every band gets room enough to be clicked, switched
// on or not.
struct TPagePictureLayout {
    QRect page;
    QRect printable;
    std::array<QRect, 4> bands; // by TReportBand
};
TPagePictureLayout LayoutPagePicture(const TReportSettings& settings, int pixelsPerInch);

// The page of "Report Layout" in miniature: the paper, the margins, and
// the four bands with their shade and border lines. Clicking a band asks
// for its page of the dialog.
class TReportPagePicture : public QWidget {
    Q_OBJECT

public:
    TReportPagePicture(const TReportSettings& settings, int pixelsPerInch, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Repaints after the settings changed.
    void Refresh();

signals:
    void BandClicked(TReportBand band);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPoint Origin() const;

    const TReportSettings& settings_;
    int pixelsPerInch_;
};

} // namespace reports
