#pragma once

#include "picture/picture.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace design {

// "Load Image File ": choose a picture file, see it, and say whether the
// image object stretches it or takes its size. The file is chosen through
// the program's file dialog; the preview holds the picture that OK hands
// to the object.
class TGImageBrowser : public QDialog {
public:
    explicit TGImageBrowser(QWidget* parent = nullptr);

    // Loads the file into the preview; false (and an empty preview) when it
    // cannot be read.
    bool SelectFile(const QString& path);
    const picture::TGPicture& Picture() const { return picture_; }

    bool Stretch() const;
    void SetStretch(bool on);
    bool AutoSize() const;
    void SetAutoSize(bool on);

    // The folder the file dialog opens in; it follows the last file chosen.
    static QString LastFolder();

    void BrowseButtonClick();
    void StretchBoxClick(bool checked);
    void AutoSizeBoxClick(bool checked);
    void HelpButtonClick();

private:
    void ShowPreview();

    QLineEdit* FileEdit;
    QPushButton* BrowseButton;
    QLabel* Preview;
    QCheckBox* StretchBox;
    QCheckBox* AutoSizeBox;
    picture::TGPicture picture_;
};

} // namespace design
