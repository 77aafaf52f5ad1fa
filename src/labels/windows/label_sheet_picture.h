#pragma once

#include "labels/label_geometry.h"

#include <QWidget>

namespace labels {

// A sheet of labels at one fifth of its size: the page in white, the
// positions in use in red, the others in white. A click on a position
// turns it on or off.
class TLabelSheetPicture : public QWidget {
    Q_OBJECT

public:
    TLabelSheetPicture(const TLabelGeometry& geometry, TPositionMask& mask, QWidget* parent = nullptr);

    int PixelsPerInch() const { return pixelsPerInch_; }
    QSize sizeHint() const override;

signals:
    void MaskChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TLabelGeometry geometry_;
    TPositionMask& mask_;
    int pixelsPerInch_;
};

} // namespace labels
