#pragma once

#include <QPoint>
#include <QRect>

#include <optional>

namespace design {

// The rectangle the user drags on the empty surface, to select or to draw
// a new object. Its width and height are the distances between the press
// and the current point, so a click is a band of no size.
class TGRubberBand {
public:
    bool Active() const { return active_; }
    void Start(QPoint point);
    void Move(QPoint point);
    // The band with left <= right and top <= bottom; the band is over.
    QRect Finish();
    // The band as it stands, for drawing.
    QRect Current() const;

private:
    bool active_ = false;
    QPoint start_;
    QPoint current_;
};

// Paste is refused within a second of the previous one, so that a key
// held down or a double press does not stack copies on top of each other.
class TGPasteTimer {
public:
    static constexpr qint64 kMinimumGapMilliseconds = 1000;

    bool Allowed(qint64 now) const { return !last_ || now - *last_ >= kMinimumGapMilliseconds; }
    void Record(qint64 now) { last_ = now; }

private:
    std::optional<qint64> last_;
};

} // namespace design
