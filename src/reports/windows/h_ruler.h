#pragma once

#include <QWidget>

#include <vector>

namespace reports {

// One graduation of the ruler: where it stands, how tall it is, and the
// inch it numbers (0 for none).
struct TRulerTick {
    int x = 0;
    int height = 0;
    int inch = 0;

    friend bool operator==(const TRulerTick&, const TRulerTick&) = default;
};

// The graduations of a ruler `width` pixels wide and `height` high whose
// left end lies `startPixels` right of the paper's left edge: one every
// pixelsPerInch / 16 pixels (whole pixels, so on most screens the inches
// drift slightly from true inches, as the band grid does), a quarter of the
// height, half of it at half inches and all of it at inches.
std::vector<TRulerTick> RulerTicks(int width, int height, int pixelsPerInch, int startPixels);

// The ruler above the report bands, graduated in sixteenths of an inch
// from the paper's left edge, so that its zero lies a left margin before
// its left end.
class THRuler : public QWidget {
    Q_OBJECT

public:
    explicit THRuler(int pixelsPerInch, QWidget* parent = nullptr);

    // The left margin in pixels: where the ruler's left end lies on the paper.
    void SetStart(int startPixels);
    int Start() const { return startPixels_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int pixelsPerInch_;
    int startPixels_ = 0;
};

} // namespace reports
