// Our side of the label benchmark: the design is made in code and saved as
// a design file, then run as the `labels` command runs it, through the
// label run with the batch host, to PDF and as a preview.
#include "labels_bench_phases.h"

#include "design/model/class_set.h"
#include "labels/batch_label_host.h"
#include "labels/label_run.h"

#include <stdexcept>

namespace quorvel::bench {

namespace {

labels::TLabelGeometry sheet5160()
{
    return {.height = kLabelHeight, .width = kLabelWidth, .across = kAcross, .down = kDown,
            .topMargin = kTopMargin, .leftMargin = kLeftMargin, .horizPitch = kHorizPitch,
            .vertPitch = kVertPitch};
}

QString writeDesign(const LabelsBenchConfig& config)
{
    const QString path = QString::fromStdString(config.folder) + QStringLiteral("/BIN00001.L");
    writeAddressDesign(path, design::TGClassSet::LabelSurface(), kBlockLeft, kBlockTop);
    return path;
}

// One run of the label run on the address file, as the command opens it.
class LabelJob {
public:
    LabelJob(const LabelsBenchConfig& config, QString design) : config_(config), design_(std::move(design)) {}

    int run(bool preview, const QString& pdf)
    {
        MailRunPlace place(labelsAddressFile(config_), pdf);
        labels::TBatchLabelHost host;
        host.onPreview = [this](QIODevice& pages) {
            pages.seek(0);
            previewBytes_ = pages.readAll();
        };
        const labels::TLabelRunContext context{place.addresses, place.env,     place.dialogs, host,
                                               {},              &place.device, kPixelsPerInch};
        labels::TLabelRunOptions options;
        options.preview = preview;
        const labels::TLabelRunResult result = labels::TLabelRun(context).Run(sheet5160(), design_, options);
        if (result.outcome != output::TPrintOutcome::poCompleted || result.counts.labels != int(config_.labels))
            throw std::runtime_error("the label run did not complete: " + result.message.toStdString() + " " +
                                     place.Said());
        return result.counts.pages;
    }

    const QByteArray& previewBytes() const { return previewBytes_; }

private:
    const LabelsBenchConfig& config_;
    QString design_;
    QByteArray previewBytes_;
};

} // namespace

std::vector<PhaseResult> runLabelsSide(const LabelsBenchConfig& config)
{
    const OffscreenApplication application;
    LabelJob job(config, writeDesign(config));
    return runOurMailSide(config.folder, kPhasePdf,
                          [&job](bool preview, const QString& pdf) { return job.run(preview, pdf); },
                          job.previewBytes());
}

} // namespace quorvel::bench
