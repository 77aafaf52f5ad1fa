#include "envelopes/batch_envelope_host.h"

#include "envelopes/envelope_settings.h"
#include "envelopes/envelope_sizes.h"
#include "output/print_status.h"
#include "output/rp_device.h"

namespace envelopes {

void TBatchEnvelopeHost::RunStatus(output::TPrintStatus& status)
{
    // There is no Stop button to press between envelopes.
    status.SetEventPump([] {});
    status.Run();
}

void TBatchEnvelopeHost::ShowPreview(QIODevice& pages)
{
    if (onPreview)
        onPreview(pages);
}

TEnvelopeFeedDescription TBatchEnvelopeHost::LoadSettings(output::TRPDevice& device)
{
    device_ = &device;
    refusal_.clear();
    if (settings && selectSettingsPrinter)
        ApplyEnvelopePrinter(ReadEnvelopePrinter(*settings), device);
    if (feed)
        return *feed;
    return settings ? ReadEnvelopeFeed(*settings) : TEnvelopeFeedDescription();
}

bool TBatchEnvelopeHost::ConfirmPrePrint(TEnvelopeFeedDescription&, int sizeCode)
{
    if (paperCode && !device_->ChoosePaper(*paperCode, 0.0, 0.0)) {
        refusal_ = QStringLiteral("The printer \"%1\" has no paper of code %2.")
                       .arg(device_->DeviceName())
                       .arg(*paperCode);
        return false;
    }
    const TEnvelopeSize& size = EnvelopeSizeOrDefault(sizeCode);
    const QSizeF paper(device_->PaperWidth(), device_->PaperHeight());
    if (onWarning && PageSizeMismatch(QSizeF(size.width, size.height), paper))
        onWarning(PageSizeWarning());
    return true;
}

} // namespace envelopes
