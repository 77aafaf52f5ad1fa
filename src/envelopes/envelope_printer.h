#pragma once

#include "envelopes/envelope_feed.h"

#include <QPointF>
#include <QSizeF>

namespace labels {
class TLabelObjects;
}
namespace output {
class TBaseReport;
class TPrintStatus;
} // namespace output
namespace quorvel {
class TDataset;
}

namespace envelopes {

// The print loop of an envelope run: one envelope a page for each selected
// record (or for the current one alone), the design drawn upright at the
// offset the feed gives on the job's page. It runs as the handler of the
// status's job and ends early when the status asks it to.
class TEnvelopePrinter {
public:
    TEnvelopePrinter(labels::TLabelObjects& objects, quorvel::TDataset& addresses, output::TPrintStatus& status,
                     QSizeF envelopeInches, const TEnvelopeFeedDescription& feed, bool onlyCurrent);

    // Makes PrintEnvelope and BeforePrintEnvelope the job of the status.
    void HookJob();
    void BeforePrintEnvelope(output::TBaseReport& report);
    void PrintEnvelope(output::TBaseReport& report);

    int Envelopes() const { return envelopes_; }
    QSizeF Paper() const { return paper_; }
    QPointF Offset() const { return offset_; }

private:
    void DrawPrintableArea(output::TBaseReport& report) const;

    labels::TLabelObjects& objects_;
    quorvel::TDataset& addresses_;
    output::TPrintStatus& status_;
    QSizeF envelope_;
    TEnvelopeFeedDescription feed_;
    bool onlyCurrent_;
    int envelopes_ = 0;
    QSizeF paper_;
    QPointF offset_;
};

} // namespace envelopes
