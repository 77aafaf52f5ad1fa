#include "app/hand_over_dialogs.h"

#include "app/main_window.h"
#include "app/output_services.h"
#include "envelopes/windows/envelope_setup_screen.h"
#include "labels/windows/count_zip_codes.h"
#include "labels/windows/label_setup_screen.h"
#include "labels/windows/print_current_record.h"
#include "reports/windows/report_setup.h"

namespace quorvel {

namespace {

constexpr int kPreviewLabelsHelp = labels::TLabelSetupScreen::kHelpContext;
constexpr int kPreviewZipCountHelp = labels::TCountZipCodes::kHelpContext;

// The program installs its output services at start; without them (a
// window made on its own) the engine still speaks through the program's
// message boxes.
output::TOutputDialogs& outputDialogs()
{
    static TAppOutputDialogs fallbackDialogs;
    TOutputServices* services = TOutputServices::current();
    return services ? services->dialogs() : fallbackDialogs;
}

std::function<void(output::TPreviewForm&)> previewPreparation(int helpContext)
{
    return [services = TOutputServices::current(), helpContext](output::TPreviewForm& form) {
        if (services)
            services->preparePreview(form, helpContext);
    };
}

std::unique_ptr<QDialog> makeLabelSetupScreen(THandOverContext& c)
{
    if (!c.systemTable)
        return nullptr;
    return std::make_unique<labels::TLabelSetupScreen>(
        labels::TLabelSetupContext { c.addresses, *c.systemTable, c.window.home(), c.window.settings().ini(),
            c.filterChoiceEnabled, outputDialogs(), previewPreparation(kPreviewLabelsHelp) },
        &c.window);
}

std::unique_ptr<QDialog> makeEnvelopeSetupScreen(THandOverContext& c)
{
    if (!c.systemTable)
        return nullptr;
    return std::make_unique<envelopes::TQVEnvelopes>(
        envelopes::TEnvelopeSetupContext { c.addresses, *c.systemTable, c.window.home(), c.window.settings().ini(),
            outputDialogs(), previewPreparation(envelopes::TQVEnvelopes::kHelpContext) },
        &c.window);
}

std::unique_ptr<QDialog> makeReportSetup(THandOverContext& c)
{
    if (!c.systemTable)
        return nullptr;
    return std::make_unique<reports::TReportSetup>(
        reports::TReportSetupContext { c.addresses, *c.systemTable, c.window.home(), c.window.settings().ini(),
            c.filterChoiceEnabled, outputDialogs(), previewPreparation(reports::TReportSetup::kHelpContext) },
        &c.window);
}

std::unique_ptr<QDialog> makeCountZipCodes(THandOverContext& c)
{
    return std::make_unique<labels::TCountZipCodes>(
        labels::TCountZipContext { c.addresses, outputDialogs(), previewPreparation(kPreviewZipCountHelp) },
        &c.window);
}

std::unique_ptr<QDialog> makePrintCurrentRecord(THandOverContext& c)
{
    return std::make_unique<labels::TPrintCurrentRecord>(
        labels::TPrintCurrentRecordContext { c.addresses, outputDialogs(),
            previewPreparation(labels::TPrintCurrentRecord::kHelpContext), {} },
        &c.window);
}

} // namespace

// Each window that takes the address file over gets its line here.
THandOverDialogFactory handOverDialog(THandOverCommand command)
{
    switch (command) {
    case THandOverCommand::hoLabels:
        return makeLabelSetupScreen;
    case THandOverCommand::hoReports:
        return makeReportSetup;
    case THandOverCommand::hoEnvelopes:
        return makeEnvelopeSetupScreen;
    case THandOverCommand::hoCountZip:
        return makeCountZipCodes;
    case THandOverCommand::hoCurrentRecord:
        return makePrintCurrentRecord;
    default:
        return {};
    }
}

} // namespace quorvel
