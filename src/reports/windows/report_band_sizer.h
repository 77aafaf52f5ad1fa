#pragma once

#include <QWidget>

namespace reports {

// The thin strip under a report band that the user drags with the left
// button to make the band taller or shorter. It reports the vertical
// movement since the press; the page decides what height that gives.
class TReportBandSizer : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeight = 5;

    explicit TReportBandSizer(QWidget* parent = nullptr);

signals:
    void DragStarted();
    // Screen pixels moved down since the press (negative: up).
    void Dragged(int movedBy);
    void DragEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool dragging_ = false;
    int pressY_ = 0;
};

} // namespace reports
