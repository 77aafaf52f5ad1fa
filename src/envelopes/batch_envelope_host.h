#pragma once

#include "envelopes/envelope_run.h"

#include <QString>

#include <functional>
#include <optional>

namespace quorvel {
class TIniFile;
}

namespace envelopes {

// The part of an envelope run that has no window: the command line and the
// benchmarks. The feed comes from the settings file's "Envelope Feed" or is
// given for the run; the settings' envelope printer is selected only when
// asked (a run into a PDF file keeps its PDF printer). Nobody confirms
// anything: "Envelope Print" is passed at once, after selecting the paper
// code given for the run; a page size that does not fit the envelope goes
// to `onWarning`. Nothing is written back to the settings file.
class TBatchEnvelopeHost : public TEnvelopeRunHost {
public:
    // Read for the feed and the printer; none: the defaults.
    const quorvel::TIniFile* settings = nullptr;
    std::optional<TEnvelopeFeedDescription> feed;
    bool selectSettingsPrinter = false;
    // A paper code of the device, chosen as "Printer Setup" would.
    std::optional<int> paperCode;
    std::function<void(const QString& warning)> onWarning;
    std::function<void(QIODevice& pages)> onPreview;

    void RunStatus(output::TPrintStatus& status) override;
    void ShowPreview(QIODevice& pages) override;
    TEnvelopeFeedDescription LoadSettings(output::TRPDevice& device) override;
    bool ConfirmPrePrint(TEnvelopeFeedDescription& feed, int sizeCode) override;
    void SaveSettings(const output::TRPDevice&, const TEnvelopeFeedDescription&) override {}

    // Why "Envelope Print" was not passed (the device has no paper of the
    // code given); empty when it was.
    const QString& Refusal() const { return refusal_; }

private:
    output::TRPDevice* device_ = nullptr;
    QString refusal_;
};

} // namespace envelopes
