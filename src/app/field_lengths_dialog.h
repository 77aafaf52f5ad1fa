#pragma once

#include "store/field_lengths.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quorvel {

class TSettings;

// "Specify Field Lengths": the widths of the fields of a new address file.
// A width must be a whole number from 10 to 80; anything else is put back
// to what the box held when the window opened.
class TSpecifyFieldLengths : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinWidth = 10;
    static constexpr int kMaxWidth = 80;

    TSpecifyFieldLengths(const TNewFileFieldLengths& lengths, TSettings& settings, QWidget* parent = nullptr);

    const TNewFileFieldLengths& lengths() const { return lengths_; }

private:
    void createBoxes();
    void createButtons();
    void showLengths(const TNewFileFieldLengths& lengths);
    void revertIfInvalid(int index);
    void OKButtonClick();

    TSettings& settings_;
    TNewFileFieldLengths lengths_;
    QList<QString> openingTexts_;
    QList<QLineEdit*> widthEdits_;
    QCheckBox* SaveAsDefaultCheck = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* DefaultsButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* HelpButton = nullptr;
};

} // namespace quorvel
