// The reference side of the envelope benchmark: the same records read
// through the engine, the same address lines and POSTNET bars at the same
// places, drawn straight with QPainter on a QPdfWriter of #10 pages in
// landscape (and into one QPicture a page for the preview), with nothing
// in between.
#include "envelopes_bench_phases.h"

#include "xbase/apollo.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include <stdexcept>

namespace quorvel::bench {

namespace {

// Draws one envelope a page for the table's live records; the pages made.
int drawEnvelopes(const std::string& file, DirectAddressPiece& piece, const std::function<QPainter&()>& newPage)
{
    xbase::TApollo table;
    if (!table.sx_Use(file, xbase::OpenMode::ReadOnly) || !table.sx_Query("!ISDEL"))
        throw std::runtime_error("cannot open " + file);
    int pages = 0;
    for (bool more = table.sx_GoTop(); more && !table.sx_Eof(); more = table.sx_Skip(1)) {
        QPainter& painter = newPage();
        piece.prepare(painter);
        ++pages;
        piece.draw(painter, table, pages, double(kBlockLeft) / kPixelsPerInch, double(kBlockTop) / kPixelsPerInch);
    }
    return pages;
}

} // namespace

std::vector<PhaseResult> runDirectEnvelopesSide(const EnvelopesBenchConfig& config)
{
    const OffscreenApplication application;
    return runDirectMailSide(config.folder, envelopesAddressFile(config), kPhasePdf,
                             QPageLayout(QPageSize(QPageSize::Envelope10), QPageLayout::Landscape, QMarginsF()),
                             drawEnvelopes);
}

} // namespace quorvel::bench
