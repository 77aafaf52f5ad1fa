// The reference side of the label benchmark: the same records read through
// the engine, the same address lines and POSTNET bars at the same places,
// drawn straight with QPainter on a QPdfWriter (and into one QPicture a
// page for the preview), with nothing in between.
#include "labels_bench_phases.h"

#include "xbase/apollo.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>

#include <stdexcept>

namespace quorvel::bench {

namespace {

constexpr int kResolution = 1200; // what the label run's PDF printer uses

// Draws the labels of the table's live records on pages of the device,
// starting a page every 30 labels; the pages made.
class DirectLabels {
public:
    DirectLabels(QPaintDevice& metrics, TextHash* hash) : piece_(metrics, kResolution, hash) {}

    // Draws the labels; `newPage` gives the painter of each next page.
    template <typename NewPage> int run(const std::string& file, NewPage&& newPage)
    {
        xbase::TApollo table;
        if (!table.sx_Use(file, xbase::OpenMode::ReadOnly) || !table.sx_Query("!ISDEL"))
            throw std::runtime_error("cannot open " + file);
        int pages = 0;
        int position = kAcross * kDown;
        QPainter* painter = nullptr;
        for (bool more = table.sx_GoTop(); more && !table.sx_Eof(); more = table.sx_Skip(1)) {
            if (position == kAcross * kDown) {
                painter = newPage();
                piece_.prepare(*painter);
                position = 0;
                ++pages;
            }
            const double x = kLeftMargin + (position % kAcross) * kHorizPitch;
            const double y = kTopMargin + (position / kAcross) * kVertPitch;
            piece_.draw(*painter, table, pages, x + double(kBlockLeft) / kPixelsPerInch,
                        y + double(kBlockTop) / kPixelsPerInch);
            ++position;
        }
        return pages;
    }

private:
    DirectAddressPiece piece_;
};

} // namespace

std::vector<PhaseResult> runDirectLabelsSide(const LabelsBenchConfig& config)
{
    const OffscreenApplication application;
    const std::string file = labelsAddressFile(config);
    TextHash hash;

    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhasePdf, [&] {
        QPdfWriter writer(QString::fromStdString(config.folder) + QStringLiteral("/direct.pdf"));
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF());
        QPainter painter;
        DirectLabels labels(writer, &hash);
        const int pages = labels.run(file, [&]() -> QPainter* {
            if (!painter.isActive()) {
                if (!painter.begin(&writer))
                    throw std::runtime_error("cannot start the PDF");
            } else {
                writer.newPage();
            }
            return &painter;
        });
        painter.end();
        return pages;
    });
    clock.run(kPhasePreview, [&] {
        QPdfWriter metrics(QString::fromStdString(config.folder) + QStringLiteral("/unused.pdf"));
        metrics.setResolution(kResolution);
        std::vector<std::unique_ptr<QPicture>> pictures;
        QPainter painter;
        DirectLabels labels(metrics, nullptr);
        return labels.run(file, [&]() -> QPainter* {
            if (painter.isActive())
                painter.end();
            pictures.push_back(std::make_unique<QPicture>());
            painter.begin(pictures.back().get());
            return &painter;
        });
    });
    clock.run(kPhaseTexts, [&] { return hash.value(); });
    return log;
}

} // namespace quorvel::bench
