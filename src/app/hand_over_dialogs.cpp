#include "app/hand_over_dialogs.h"

#include "app/main_window.h"
#include "labels/windows/label_setup_screen.h"

namespace quorvel {

namespace {

std::unique_ptr<QDialog> makeLabelSetupScreen(THandOverContext& c)
{
    if (!c.systemTable)
        return nullptr;
    return std::make_unique<labels::TLabelSetupScreen>(
        labels::TLabelSetupContext {
            c.addresses, *c.systemTable, c.window.home(), c.window.settings().ini(), c.filterChoiceEnabled },
        &c.window);
}

} // namespace

// Each window that takes the address file over gets its line here.
THandOverDialogFactory handOverDialog(THandOverCommand command)
{
    switch (command) {
    case THandOverCommand::hoLabels:
        return makeLabelSetupScreen;
    default:
        return {};
    }
}

} // namespace quorvel
