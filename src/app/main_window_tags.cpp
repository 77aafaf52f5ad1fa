#include "app/main_window.h"

#include <QApplication>

namespace quorvel {

void TAddressMain::ClearTagsClick() { QApplication::beep(); }
void TAddressMain::TagAllClick() { QApplication::beep(); }
void TAddressMain::ToggleTag() { QApplication::beep(); }

} // namespace quorvel
