#include "design/dialogs/image_load_command.h"

#include "design/dialogs/image_browser.h"
#include "design/model/image_object.h"

namespace design {

bool LoadImageFromDisk(TGImage& image, QWidget* parent)
{
    TGImageBrowser browser(parent);
    browser.SetStretch(image.Stretch());
    browser.SetAutoSize(image.AutoSize());
    if (browser.exec() != QDialog::Accepted || !browser.Picture().HasGraphic())
        return false;
    image.TakeLoadedPicture(browser.Picture(), browser.AutoSize());
    return true;
}

} // namespace design
