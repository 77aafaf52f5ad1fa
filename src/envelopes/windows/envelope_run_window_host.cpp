#include "envelopes/windows/envelope_run_window_host.h"

#include "envelopes/envelope_settings.h"
#include "envelopes/windows/envelope_pre_print.h"
#include "labels/windows/dialog_buttons.h"
#include "output/output_dialogs.h"
#include "output/preview_form.h"

namespace envelopes {

TEnvelopeRunWindowHost::TEnvelopeRunWindowHost(QWidget* parent, quorvel::TIniFile& ini, output::TRPDevice& device,
    output::TOutputDialogs& dialogs, labels::TPrintJobWindowHost::TPreparePreview preparePreview)
    : parent_(parent)
    , ini_(ini)
    , device_(device)
    , dialogs_(dialogs)
    , jobWindows_(parent, QStringLiteral("Preview Envelope"), output::TPreviewForm::zmWholePage,
          std::move(preparePreview))
{
}

TEnvelopeFeedDescription TEnvelopeRunWindowHost::LoadSettings(output::TRPDevice& device)
{
    ApplyEnvelopePrinter(ReadEnvelopePrinter(ini_), device);
    return ReadEnvelopeFeed(ini_);
}

bool TEnvelopeRunWindowHost::ConfirmPrePrint(TEnvelopeFeedDescription& feed, int sizeCode)
{
    TEnvelopePrePrint confirm(feed, sizeCode, device_, dialogs_, parent_);
    if (confirm.exec() != labels::kResultOk)
        return false;
    feed = confirm.Feed();
    return true;
}

void TEnvelopeRunWindowHost::SaveSettings(const output::TRPDevice& device, const TEnvelopeFeedDescription& feed)
{
    const quorvel::TTableResult saved = SaveEnvelopeSettings(ini_, device, feed);
    if (!saved)
        for (const QString& message : saved.messages)
            dialogs_.ShowError(message);
}

} // namespace envelopes
