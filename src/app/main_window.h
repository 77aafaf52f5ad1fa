#pragma once

#include <QMainWindow>

namespace quorvel {

// The program's main window: one address record at a time, and the commands
// that lead to every other window.
class TAddressMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TAddressMain(QWidget* parent = nullptr);
};

} // namespace quorvel
