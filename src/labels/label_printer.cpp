#include "labels/label_printer.h"

#include "labels/label_objects.h"
#include "labels/position_mask.h"
#include "output/print_status.h"
#include "store/dataset.h"

namespace labels {

TLabelPrinter::TLabelPrinter(const TLabelGeometry& geometry, TLabelObjects& objects, quorvel::TDataset& addresses,
                             output::TPrintStatus& status)
    : geometry_(geometry), objects_(objects), addresses_(addresses), status_(status)
{
    mask_.set();
}

void TLabelPrinter::HookJob()
{
    status_.OnBeforePrint = [this](output::TBaseReport& report) { BeforePrintLabels(report); };
    status_.OnPrint = [this](output::TBaseReport& report) { PrintLabels(report); };
}

// The status has set its page texts by now; the run starts its counts.
void TLabelPrinter::BeforePrintLabels(output::TBaseReport&) { counts_ = TLabelRunCounts(); }

void TLabelPrinter::PrintLabels(output::TBaseReport& report)
{
    // The walk is the run's own: a job that ends with an error leaves none behind.
    struct TWalkReset {
        std::optional<TPresortWalk>& walk;
        ~TWalkReset() { walk.reset(); }
    } walkReset{presort_};
    // A sheet without positions, or a mask that selects none of this
    // sheet's, would never take a record.
    if (!MaskSelectsAny(mask_, geometry_))
        return;
    if (presortLines_) {
        presort_.emplace(addresses_, *presortLines_);
        presort_->GetNextSortedZip();
    }
    SelectBreakLabelTools(report);
    TCell cell{start_ % geometry_.across - 1, start_ / geometry_.across};
    int copy = 0;
    while (!addresses_.Eof() && !status_.EndRequested()) {
        if (!AdvanceCell(report, cell))
            continue;
        const QPointF corner = geometry_.PositionOrigin(cell.column + cell.row * geometry_.across);
        const bool breakLabel = presort_ && presort_->BreakPending();
        if (breakLabel) {
            PrintBreakLabel(report, corner);
        } else {
            PrintRecordLabel(report, corner);
            ++copy;
        }
        if (!breakLabel && copy < copies_)
            continue;
        copy = 0;
        NextRecord(breakLabel);
        status_.ProcessEvents();
    }
}

// Moves to the next cell, across, then down, then onto a new sheet; false
// when the mask leaves that cell out.
bool TLabelPrinter::AdvanceCell(output::TBaseReport& report, TCell& cell) const
{
    if (++cell.column + 1 > geometry_.across) {
        cell.column = 0;
        ++cell.row;
    }
    if (cell.row + 1 > geometry_.down) {
        report.StartNextPage();
        cell = TCell{0, 0};
    }
    return mask_.test(static_cast<std::size_t>(cell.column + cell.row * geometry_.across));
}

void TLabelPrinter::SelectBreakLabelTools(output::TBaseReport& report) const
{
    report.SelectBrush(qRgb(0, 0, 0), output::bsClear);
    report.SelectPen(qRgb(0, 0, 0), output::psSolid, -1, output::pmCopy);
    report.SelectFont(QStringLiteral("Arial"), 8);
}

// The package's header, small, a third of the way down the label's pitch
// box and clipped to it.
void TLabelPrinter::PrintBreakLabel(output::TBaseReport& report, QPointF corner)
{
    SelectBreakLabelTools(report);
    report.TextInBox(corner.x(), corner.y(), corner.x() + geometry_.horizPitch, corner.y() + geometry_.vertPitch,
                     corner.x() + 0.15, corner.y() + geometry_.vertPitch / 3, presort_->CurrentLine());
}

void TLabelPrinter::PrintRecordLabel(output::TBaseReport& report, QPointF corner)
{
    objects_.RefreshData();
    objects_.PrintObjects(report, corner.x(), corner.y());
    objects_.AdvanceAllCounters();
    ++counts_.labels;
}

void TLabelPrinter::NextRecord(bool breakPrinted)
{
    if (!breakPrinted)
        ++counts_.records;
    if (!presort_) {
        addresses_.Next();
    } else if (breakPrinted) {
        presort_->ClearBreak();
        presort_->GetNextSortedZip();
    } else {
        presort_->NextRecord();
    }
}

} // namespace labels
