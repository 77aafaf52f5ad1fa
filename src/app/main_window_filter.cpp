#include "app/main_window.h"

#include <QApplication>

namespace quorvel {

void TAddressMain::SetFilterClick() { QApplication::beep(); }
void TAddressMain::ClearFilterClick() { QApplication::beep(); }
void TAddressMain::SaveFilterClick() { QApplication::beep(); }
void TAddressMain::RestoreFilterClick() { QApplication::beep(); }

} // namespace quorvel
