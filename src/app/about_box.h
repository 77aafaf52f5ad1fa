#pragma once

#include <QDialog>

namespace quorvel {

// "About": the program's name, its version and what it is for.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    static QString versionText();
};

} // namespace quorvel
