#pragma once

// What the label and envelope benchmarks put on each piece of mail: an
// address block of four lines of 10-point Arial (name, street, city line,
// nothing else) and the POSTNET barcode of the ZIP below it. Our side has
// it as a design file made in code; the direct side draws the same lines
// at the same baselines and the same bars straight with QPainter.
#include <QFont>
#include <QGuiApplication>
#include <QString>

#include <cstdint>
#include <memory>
#include <string>

class QPaintDevice;
class QPainter;

namespace design {
class TGClassSet;
}
namespace xbase {
class TApollo;
}

namespace quorvel::bench {

// The design, in pixels at 96 an inch from the piece's top-left corner.
inline constexpr int kPixelsPerInch = 96;
inline constexpr int kBlockWidth = 237;
inline constexpr int kBlockHeight = 64;
// The barcode's top below the block's.
inline constexpr int kBarcodeDrop = 67;
inline constexpr int kFontPoints = 10;

// A running hash of the texts drawn, page by page, in drawing order.
class TextHash {
public:
    void add(int page, const std::string& text);
    long long value() const { return static_cast<long long>(hash_ & 0x7fffffffffffffffULL); }

private:
    std::uint64_t hash_ = 1469598103934665603ULL;
};

// The application object each side's process needs for fonts and PDF
// writing, on the offscreen platform.
class OffscreenApplication {
public:
    OffscreenApplication();

private:
    int argc_ = 1;
    char name_[6] = "bench";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

// Writes the design with its block's top-left corner at (left, top)
// pixels, read by a surface of the classes given; throws
// std::runtime_error when it cannot be written.
void writeAddressDesign(const QString& path, const design::TGClassSet& classes, int left, int top);

// The direct side's drawing of one piece: the record's lines and bars with
// the block's corner at (x, y) inches on a page of `resolution` dots an
// inch. `metrics` is the device the font is measured on.
class DirectAddressPiece {
public:
    DirectAddressPiece(QPaintDevice& metrics, int resolution, TextHash* hash);

    // Font, pen and brush on a fresh page's painter.
    void prepare(QPainter& painter) const;
    void draw(QPainter& painter, const xbase::TApollo& record, int page, double x, double y);

private:
    double px(double inches) const { return inches * resolution_; }

    QFont font_;
    int resolution_;
    double ascent_ = 0;
    TextHash* hash_;
};

} // namespace quorvel::bench
