#pragma once

class QCheckBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;

namespace design {

// The controls of the "Load Image File " dialog, made and laid out on it.
struct TGImageBrowserControls {
    QLineEdit* FileEdit;
    QPushButton* BrowseButton;
    QLabel* Preview;
    QCheckBox* StretchBox;
    QCheckBox* AutoSizeBox;
    QPushButton* OkButton;
    QPushButton* CancelButton;
    QPushButton* HelpButton;
};

TGImageBrowserControls BuildImageBrowserLayout(QDialog& dialog);

} // namespace design
