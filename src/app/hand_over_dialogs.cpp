#include "app/hand_over_dialogs.h"

#include "app/main_window.h"
#include "app/output_services.h"
#include "labels/windows/label_setup_screen.h"
#include "labels/windows/print_current_record.h"

namespace quorvel {

namespace {

constexpr int kPreviewLabelsHelp = labels::TLabelSetupScreen::kHelpContext;

std::unique_ptr<QDialog> makeLabelSetupScreen(THandOverContext& c)
{
    if (!c.systemTable)
        return nullptr;
    // The program installs its output services at start; without them (a
    // window made on its own) the engine still speaks through the
    // program's message boxes.
    static TAppOutputDialogs fallbackDialogs;
    TOutputServices* services = TOutputServices::current();
    output::TOutputDialogs& dialogs = services ? services->dialogs() : fallbackDialogs;
    auto preparePreview = [services](output::TPreviewForm& form) {
        if (services)
            services->preparePreview(form, kPreviewLabelsHelp);
    };
    return std::make_unique<labels::TLabelSetupScreen>(
        labels::TLabelSetupContext { c.addresses, *c.systemTable, c.window.home(), c.window.settings().ini(),
            c.filterChoiceEnabled, dialogs, preparePreview },
        &c.window);
}

// The program's output dialogs, or its message boxes when none are installed.
output::TOutputDialogs& programOutputDialogs()
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

std::unique_ptr<QDialog> makePrintCurrentRecord(THandOverContext& c)
{
    return std::make_unique<labels::TPrintCurrentRecord>(
        labels::TPrintCurrentRecordContext { c.addresses, programOutputDialogs(),
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
    case THandOverCommand::hoCurrentRecord:
        return makePrintCurrentRecord;
    default:
        return {};
    }
}

} // namespace quorvel
