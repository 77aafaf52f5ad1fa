#include "labels/windows/label_run_window_host.h"

#include "labels/windows/sort_bulk_mail.h"
#include "output/preview_form.h"

namespace labels {

TLabelRunWindowHost::TLabelRunWindowHost(QWidget* parent, TPreparePreview preparePreview, bool presortDone)
    : TPrintJobWindowHost(
          parent, QStringLiteral("Preview Labels"), output::TPreviewForm::zmPageWidth, std::move(preparePreview))
    , presortDone_(presortDone)
{
}

TPresortResult TLabelRunWindowHost::RunPresort(quorvel::TDataset& addresses, const QString& presortFile)
{
    if (presortDone_) {
        TPresortResult reused;
        reused.outcome = TPresortOutcome::Completed;
        return reused;
    }
    TSortBulkMail window(addresses, presortFile, Parent());
    window.exec();
    presortDone_ = window.DoneCheck->isChecked();
    return window.Result();
}

} // namespace labels
