// The reference side of the label benchmark: the same records read through
// the engine, the same address lines and POSTNET bars at the same places,
// drawn straight with QPainter on a QPdfWriter (and into one QPicture a
// page for the preview), with nothing in between.
#include "labels_bench_phases.h"

#include "xbase/apollo.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include <stdexcept>

namespace quorvel::bench {

namespace {

// Draws the labels of the table's live records on pages of the device,
// starting a page every 30 labels; the pages made.
int drawLabels(const std::string& file, DirectAddressPiece& piece, const std::function<QPainter&()>& newPage)
{
    xbase::TApollo table;
    if (!table.sx_Use(file, xbase::OpenMode::ReadOnly) || !table.sx_Query("!ISDEL"))
        throw std::runtime_error("cannot open " + file);
    int pages = 0;
    int position = kAcross * kDown;
    QPainter* painter = nullptr;
    for (bool more = table.sx_GoTop(); more && !table.sx_Eof(); more = table.sx_Skip(1)) {
        if (position == kAcross * kDown) {
            painter = &newPage();
            piece.prepare(*painter);
            position = 0;
            ++pages;
        }
        const double x = kLeftMargin + (position % kAcross) * kHorizPitch;
        const double y = kTopMargin + (position / kAcross) * kVertPitch;
        piece.draw(*painter, table, pages, x + double(kBlockLeft) / kPixelsPerInch,
                   y + double(kBlockTop) / kPixelsPerInch);
        ++position;
    }
    return pages;
}

} // namespace

std::vector<PhaseResult> runDirectLabelsSide(const LabelsBenchConfig& config)
{
    const OffscreenApplication application;
    return runDirectMailSide(config.folder, labelsAddressFile(config), kPhasePdf,
                             QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()),
                             drawLabels);
}

} // namespace quorvel::bench
