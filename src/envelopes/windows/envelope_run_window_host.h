#pragma once

#include "envelopes/envelope_run.h"
#include "labels/windows/print_job_window_host.h"

namespace output {
class TOutputDialogs;
class TRPDevice;
} // namespace output

namespace quorvel {
class TIniFile;
}

namespace envelopes {

// The windows of an envelope run started from "Print Envelope": the job
// runs in the print status window, a preview's pages open in "Preview
// Envelope" a whole page at a time, "Envelope Print" confirms the feed and
// the printer, and the envelope settings live in the settings file.
class TEnvelopeRunWindowHost : public TEnvelopeRunHost {
public:
    TEnvelopeRunWindowHost(QWidget* parent, quorvel::TIniFile& ini, output::TRPDevice& device,
        output::TOutputDialogs& dialogs, labels::TPrintJobWindowHost::TPreparePreview preparePreview);

    void RunStatus(output::TPrintStatus& status) override { jobWindows_.RunStatus(status); }
    void ShowPreview(QIODevice& pages) override { jobWindows_.ShowPreview(pages); }
    TEnvelopeFeedDescription LoadSettings(output::TRPDevice& device) override;
    bool ConfirmPrePrint(TEnvelopeFeedDescription& feed, int sizeCode) override;
    void SaveSettings(const output::TRPDevice& device, const TEnvelopeFeedDescription& feed) override;

private:
    QWidget* parent_;
    quorvel::TIniFile& ini_;
    output::TRPDevice& device_;
    output::TOutputDialogs& dialogs_;
    labels::TPrintJobWindowHost jobWindows_;
};

} // namespace envelopes
