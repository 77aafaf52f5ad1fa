#include "design/dialogs/image_browser.h"

#include "design/dialogs/image_browser_layout.h"
#include "picture/image_metafile.h"
#include "picture/image_picture.h"
#include "picture/smart_image.h"
#include "ui/services.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

namespace design {

namespace {

constexpr int kHelpContext = 40003;

QString& RememberedFolder()
{
    static QString folder;
    return folder;
}

} // namespace

TGImageBrowser::TGImageBrowser(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Load Image File "));
    const TGImageBrowserControls controls = BuildImageBrowserLayout(*this);
    FileEdit = controls.FileEdit;
    BrowseButton = controls.BrowseButton;
    Preview = controls.Preview;
    StretchBox = controls.StretchBox;
    AutoSizeBox = controls.AutoSizeBox;
    connect(BrowseButton, &QPushButton::clicked, this, &TGImageBrowser::BrowseButtonClick);
    connect(StretchBox, &QCheckBox::clicked, this, &TGImageBrowser::StretchBoxClick);
    connect(AutoSizeBox, &QCheckBox::clicked, this, &TGImageBrowser::AutoSizeBoxClick);
    connect(controls.OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(controls.CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(controls.HelpButton, &QPushButton::clicked, this, &TGImageBrowser::HelpButtonClick);
}

QString TGImageBrowser::LastFolder()
{
    return RememberedFolder().isEmpty() ? QDir::homePath() : RememberedFolder();
}

void TGImageBrowser::BrowseButtonClick()
{
    quorvel::TFileRequest request;
    request.caption = windowTitle();
    request.folder = LastFolder();
    request.filter = QStringLiteral("Image Files|*.BMP;*.DIB;*.JPG;*.JIF;*.PCX;*.RLE;*.TGA;*.WMF;*.ICO");
    const QString path = quorvel::TServices::dialogs().openFileName(this, request);
    if (path.isEmpty())
        return;
    RememberedFolder() = QFileInfo(path).absolutePath();
    SelectFile(path);
}

bool TGImageBrowser::SelectFile(const QString& path)
{
    FileEdit->setText(QDir::toNativeSeparators(path));
    const picture::TGImageFileLoad load = picture::LoadImageFile(path);
    picture_ = load.Picture;
    ShowPreview();
    if (!picture_.HasGraphic() && load.ReportFailure)
        quorvel::TServices::messages().error(this, QStringLiteral("Error loading file!"));
    return picture_.HasGraphic();
}

bool TGImageBrowser::Stretch() const { return StretchBox->isChecked(); }
void TGImageBrowser::SetStretch(bool on) { StretchBoxClick(on); }
bool TGImageBrowser::AutoSize() const { return AutoSizeBox->isChecked(); }
void TGImageBrowser::SetAutoSize(bool on) { AutoSizeBoxClick(on); }

void TGImageBrowser::StretchBoxClick(bool checked)
{
    StretchBox->setChecked(checked);
    if (checked)
        AutoSizeBox->setChecked(false);
    ShowPreview();
}

void TGImageBrowser::AutoSizeBoxClick(bool checked)
{
    AutoSizeBox->setChecked(checked);
    if (checked)
        StretchBox->setChecked(false);
    ShowPreview();
}

void TGImageBrowser::HelpButtonClick() { quorvel::TServices::help().showTopic(kHelpContext); }

void TGImageBrowser::ShowPreview()
{
    QImage image = picture::image_picture::DecodeRaster(picture_);
    if (image.isNull() && picture_.Kind() == picture::TGPicture::TGraphicKind::Metafile)
        image = picture::metafile::Render(picture_.GraphicData(), picture::metafile::PixelSize(picture_.GraphicData(), logicalDpiX()));
    if (image.isNull()) {
        Preview->clear();
        return;
    }
    // Stretched: as large as the preview allows, in proportion; otherwise at
    // its own size, cut off where the preview ends.
    const QPixmap pixmap = QPixmap::fromImage(image);
    Preview->setPixmap(Stretch() ? pixmap.scaled(Preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                 : pixmap);
}

} // namespace design
