#include "app/main_window.h"

#include <QApplication>

namespace quorvel {

void TAddressMain::BrowseClick() { QApplication::beep(); }

} // namespace quorvel
