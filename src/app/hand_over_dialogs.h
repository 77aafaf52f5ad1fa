#pragma once

#include "app/hand_over.h"

namespace quorvel {

// The window each hand-over command opens, as the window's own code makes
// it. Empty while the program has no window for the command: its menu item
// and buttons then stay disabled.
THandOverDialogFactory handOverDialog(THandOverCommand command);

} // namespace quorvel
