#include "app/hand_over_dialogs.h"

namespace quorvel {

// Each window that takes the address file over gets its line here, as
//   case THandOverCommand::hoLabels:
//       return [](THandOverContext& c) { return std::make_unique<TLabelSetupScreen>(c); };
THandOverDialogFactory handOverDialog(THandOverCommand command)
{
    switch (command) {
    default:
        return {};
    }
}

} // namespace quorvel
