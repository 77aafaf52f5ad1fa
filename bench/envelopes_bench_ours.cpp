// Our side of the envelope benchmark: the design is made in code and saved
// as a design file, then run as the `envelopes` command runs it, through
// the envelope run with the batch host, to PDF and as a preview.
#include "envelopes_bench_phases.h"

#include "design/model/class_set.h"
#include "envelopes/batch_envelope_host.h"
#include "envelopes/envelope_run.h"

#include <stdexcept>

namespace quorvel::bench {

namespace {

// One run of the envelope run on the address file, as the command opens it.
class EnvelopeJob {
public:
    explicit EnvelopeJob(const EnvelopesBenchConfig& config) : config_(config)
    {
        layout_.description = QStringLiteral("Bench");
        layout_.sizeCode = 20;
        layout_.designFile = QStringLiteral("BIN00001.E");
        writeAddressDesign(QString::fromStdString(config.folder) + u'/' + layout_.designFile,
                           design::TGClassSet::EnvelopeSurface(), kBlockLeft, kBlockTop);
    }

    int run(bool preview, const QString& pdf)
    {
        MailRunPlace place(envelopesAddressFile(config_), pdf);
        envelopes::TBatchEnvelopeHost host;
        host.onPreview = [this](QIODevice& pages) {
            pages.seek(0);
            previewBytes_ = pages.readAll();
        };
        const envelopes::TEnvelopeRunContext context{place.addresses, place.env,     place.dialogs,
                                                     host,            QString::fromStdString(config_.folder),
                                                     &place.device,   kPixelsPerInch};
        envelopes::TEnvelopeRunOptions options;
        options.preview = preview;
        const envelopes::TEnvelopeRunResult result = envelopes::TEnvelopeRun(context).Run(layout_, options);
        if (result.outcome != output::TPrintOutcome::poCompleted || result.envelopes != int(config_.envelopes))
            throw std::runtime_error("the envelope run did not complete: " + result.message.toStdString() + " " +
                                     place.Said());
        if (!result.offset.isNull())
            throw std::runtime_error("the envelope paper was not chosen: the design moved off (0, 0)");
        return result.envelopes;
    }

    const QByteArray& previewBytes() const { return previewBytes_; }

private:
    const EnvelopesBenchConfig& config_;
    envelopes::TEnvelopeLayout layout_;
    QByteArray previewBytes_;
};

} // namespace

std::vector<PhaseResult> runEnvelopesSide(const EnvelopesBenchConfig& config)
{
    const OffscreenApplication application;
    EnvelopeJob job(config);
    return runOurMailSide(config.folder, kPhasePdf,
                          [&job](bool preview, const QString& pdf) { return job.run(preview, pdf); },
                          job.previewBytes());
}

} // namespace quorvel::bench
