#pragma once

#include "design/model/graphic_control.h"
#include "design/model/object_menu.h"
#include "picture/image_metafile.h"
#include "picture/picture.h"

#include <QImage>

namespace design {

// A picture. Stretch and AutoSize exclude each other: setting one sets the
// other to its opposite. With AutoSize the object takes the picture's size
// at the zoom after every change of the picture or of the bounds.
class TGImage : public TGGraphicControl {
public:
    explicit TGImage(TGDesignOwner& owner);
    QByteArray ClassName() const override { return QByteArrayLiteral("TGImage"); }

    const picture::TGPicture& Picture() const { return picture_; }
    void SetPicture(const picture::TGPicture& picture);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Stretch() const { return !autoSize_; }
    void SetStretch(bool stretch) { SetAutoSize(!stretch); }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style) { borderStyle_ = style; }

    // The picture decoded for drawing; null for a metafile, an empty picture
    // or bytes that do not decode.
    const QImage& RasterImage() const { return raster_; }
    // The picture's own size in pixels (empty when it has none).
    QSize NaturalSize() const;

    // What "Load Image From Disk" does with the dialog's answer. Without
    // AutoSize the picture is stretched over the object, which keeps its size.
    void TakeLoadedPicture(const picture::TGPicture& picture, bool autoSize);
    // The menu commands; each fires the change notification.
    void ToggleBorder();
    void ToggleStretch() { SetStretch(!Stretch()); }
    void ToggleAutoSize() { SetAutoSize(!AutoSize()); }

    void BoundsChanged() override;
    void PrintTo(output::TBaseReport& report, double xOffset, double yOffset) override;
    // Draws with the painter's origin at the object's top-left corner.
    void Paint(QPainter& painter) override;
    // Adds the class's items to the common ones.
    TGMenuItems MenuItems(TGMenuHost& host) override;

    void DefineProperties(TGPropertyList& list) override;

private:
    void FitToPicture();
    // The metafile drawn at the device's resolution into the page rectangle.
    void PrintMetafile(output::TBaseReport& report, const QRectF& pageRect);
    void TakePicture(const picture::TGPicture& picture);

    picture::TGPicture picture_;
    QImage raster_;
    picture::metafile::TRenderCache screenDrawing_;
    picture::metafile::TRenderCache printDrawing_;
    bool autoSize_ = false;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
};

} // namespace design
