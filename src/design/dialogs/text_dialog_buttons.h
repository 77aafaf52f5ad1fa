#pragma once

#include <QDialog>

class QHBoxLayout;

namespace quorvel {
class THelp;
}

namespace design {

// The OK, Cancel and Help buttons every design object dialog ends with
// ("OKButton", "CancelButton", "HelpButton"); Help opens the dialog's own
// topic when a help system is given.
QHBoxLayout* MakeDialogButtons(QDialog& dialog, quorvel::THelp* help, int helpContext);

} // namespace design
