#include "app/main_window.h"

namespace quorvel {

TAddressMain::TAddressMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("AddressMain"));
    setWindowTitle(QStringLiteral("Quorvel"));
    resize(640, 480);
}

} // namespace quorvel
