#include "envelopes/envelope_printer.h"

#include "labels/label_objects.h"
#include "output/print_status.h"
#include "store/dataset.h"

namespace envelopes {

TEnvelopePrinter::TEnvelopePrinter(labels::TLabelObjects& objects, quorvel::TDataset& addresses,
                                   output::TPrintStatus& status, QSizeF envelopeInches,
                                   const TEnvelopeFeedDescription& feed, bool onlyCurrent)
    : objects_(objects), addresses_(addresses), status_(status), envelope_(envelopeInches), feed_(feed),
      onlyCurrent_(onlyCurrent)
{
}

void TEnvelopePrinter::HookJob()
{
    status_.OnBeforePrint = [this](output::TBaseReport& report) { BeforePrintEnvelope(report); };
    status_.OnPrint = [this](output::TBaseReport& report) { PrintEnvelope(report); };
}

// A preview counts its pages as printing does: the envelope status knows
// no "Preparing Preview".
void TEnvelopePrinter::BeforePrintEnvelope(output::TBaseReport& report)
{
    offset_ = QPointF();
    envelopes_ = 0;
    report.SetStatusFormat(QStringLiteral("Printing Page %p\r%0\r%1"));
}

void TEnvelopePrinter::PrintEnvelope(output::TBaseReport& report)
{
    paper_ = QSizeF(report.PaperWidth(), report.PaperHeight());
    offset_ = EnvelopeOffsets(feed_, paper_, envelope_);
    // The offsets are measured from the sheet's edge, not from a margin.
    report.SetMarginLeft(0.0);
    report.SetMarginTop(0.0);
    while (!addresses_.Eof() && !status_.EndRequested()) {
        if (envelopes_ > 0)
            report.StartNextPage();
        if (status_.Previewing())
            DrawPrintableArea(report);
        objects_.RefreshData();
        objects_.PrintObjects(report, offset_.x(), offset_.y());
        ++envelopes_;
        if (onlyCurrent_)
            break;
        addresses_.Next();
        status_.ProcessEvents();
    }
}

// What the printer can reach, so that a preview shows an address running
// into the platen.
void TEnvelopePrinter::DrawPrintableArea(output::TBaseReport& report) const
{
    report.SelectBrush(qRgb(0, 0, 0), output::bsClear);
    report.SelectPen(qRgb(255, 0, 0), output::psDot, -1, output::pmCopy);
    report.DrawRectangle(report.UnprintableLeft(), report.UnprintableTop(),
                         report.PaperWidth() - report.UnprintableRight(),
                         report.PaperHeight() - report.UnprintableBottom());
    report.SelectPen(qRgb(0, 0, 0), output::psSolid, -1, output::pmCopy);
}

} // namespace envelopes
