#include "labels/windows/label_run_window_host.h"

#include "labels/windows/sort_bulk_mail.h"
#include "output/preview_form.h"
#include "output/print_status_window.h"

namespace labels {

void TLabelRunWindowHost::RunStatus(output::TPrintStatus& status)
{
    output::TPrintStatusWindow window(status, parent_);
    window.exec();
}

void TLabelRunWindowHost::ShowPreview(QIODevice& pages)
{
    output::TPreviewForm form(&pages, parent_);
    form.setWindowTitle(QStringLiteral("Preview Labels"));
    form.SetInitialZoom(output::TPreviewForm::zmPageWidth);
    if (preparePreview_)
        preparePreview_(form);
    form.exec();
}

TPresortResult TLabelRunWindowHost::RunPresort(quorvel::TDataset& addresses, const QString& presortFile)
{
    if (presortDone_) {
        TPresortResult reused;
        reused.outcome = TPresortOutcome::Completed;
        return reused;
    }
    TSortBulkMail window(addresses, presortFile, parent_);
    window.exec();
    presortDone_ = window.DoneCheck->isChecked();
    return window.Result();
}

} // namespace labels
