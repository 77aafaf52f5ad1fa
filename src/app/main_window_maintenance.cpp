#include "app/main_window.h"

#include <QApplication>

namespace quorvel {

void TAddressMain::RebuildIndexesClick() { QApplication::beep(); }
void TAddressMain::RebuildSystemIndexesClick() { QApplication::beep(); }

} // namespace quorvel
