#include "app/main_window.h"

#include <QApplication>

namespace quorvel {

void TAddressMain::SearchClick() { QApplication::beep(); }
void TAddressMain::SearchMemoClick() { QApplication::beep(); }
void TAddressMain::FindNextClick() { QApplication::beep(); }

} // namespace quorvel
