// Our side of the label benchmark: the design is made in code and saved as
// a design file, then run as the `labels` command runs it, through the
// label run with the batch host, to PDF and as a preview.
#include "labels_bench_phases.h"

#include "design/model/class_set.h"
#include "labels/batch_label_host.h"
#include "labels/label_run.h"
#include "output/page_stream.h"
#include "output/rp_device.h"
#include "output/scripted_output_dialogs.h"
#include "store/address_dataset.h"
#include "store/address_file.h"
#include "xbase/apollo.h"
#include "xbase/apollo_env.h"

#include <memory>
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

    labels::TLabelRunResult run(bool preview, const QString& pdf)
    {
        xbase::TApolloEnv env;
        xbase::TApollo engine(env);
        TAddressDataset addresses(engine);
        const TAddressOpenResult opened =
            OpenQVWFile(QString::fromStdString(labelsAddressFile(config_)), addresses);
        if (!opened.ok || !addresses.SetQuery(QStringLiteral("!ISDEL")))
            throw std::runtime_error("cannot open the address file");
        output::TRPDevice device(std::make_unique<output::TFixedPrinterCatalog>());
        device.SelectPrinterByName(output::TRPDevice::PdfPrinterName());
        output::TScriptedOutputDialogs dialogs;
        dialogs.pdfFileNames.push_back(pdf);
        labels::TBatchLabelHost host;
        host.onPreview = [this](QIODevice& pages) {
            pages.seek(0);
            previewBytes_ = pages.readAll();
        };
        const labels::TLabelRunContext context{addresses, env, dialogs, host, {}, &device, kPixelsPerInch};
        labels::TLabelRunOptions options;
        options.preview = preview;
        labels::TLabelRunResult result = labels::TLabelRun(context).Run(sheet5160(), design_, options);
        if (result.outcome != output::TPrintOutcome::poCompleted || result.counts.labels != int(config_.labels))
            throw std::runtime_error("the label run did not complete: " + result.message.toStdString() + " " +
                                     dialogs.errors.join(u' ').toStdString() +
                                     dialogs.notices.join(u' ').toStdString());
        return result;
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
    const QString pdf = QString::fromStdString(config.folder) + QStringLiteral("/ours.pdf");

    std::vector<PhaseResult> log;
    PhaseClock clock(log);
    clock.run(kPhasePdf, [&] { return job.run(false, pdf).counts.pages; });
    clock.run(kPhasePreview, [&] { return job.run(true, QString()).counts.pages; });
    clock.run(kPhaseTexts, [&] {
        TextHash hash;
        const std::vector<output::TPage> pages = output::ReadPageStream(job.previewBytes());
        for (std::size_t page = 0; page < pages.size(); ++page)
            for (const output::TPageOp& op : pages[page].ops)
                if (const auto* text = std::get_if<output::TTextOp>(&op))
                    hash.add(static_cast<int>(page) + 1, text->text.toStdString());
        return hash.value();
    });
    return log;
}

} // namespace quorvel::bench
