#include "design/model/image_object.h"

#include "design/model/property_list.h"
#include "design/model/shape_geometry.h"
#include "output/base_report.h"
#include "picture/image_metafile.h"
#include "picture/image_picture.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace design {

TGImage::TGImage(TGDesignOwner& owner) : TGGraphicControl(owner) { SetBounds(0, 0, 105, 105); }

void TGImage::SetPicture(const picture::TGPicture& picture)
{
    TakePicture(picture);
    FitToPicture();
}

void TGImage::TakePicture(const picture::TGPicture& picture)
{
    picture_ = picture;
    raster_ = picture::image_picture::DecodeRaster(picture_);
    screenDrawing_.Clear();
    printDrawing_.Clear();
}

void TGImage::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    Changed();
    FitToPicture();
}

QSize TGImage::NaturalSize() const { return picture::image_picture::NaturalSize(picture_, raster_, PixelsPerInch()); }

void TGImage::FitToPicture()
{
    if (!autoSize_ || IsReading())
        return;
    const QSize natural = NaturalSize();
    if (natural.isEmpty())
        return;
    const double zoom = ZoomFactor();
    SetBounds(Left(), Top(), static_cast<int>(std::nearbyint(natural.width() * zoom)),
              static_cast<int>(std::nearbyint(natural.height() * zoom)));
}

void TGImage::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    FitToPicture();
}

void TGImage::TakeLoadedPicture(const picture::TGPicture& picture, bool autoSize)
{
    TakePicture(picture);
    autoSize_ = autoSize;
    FitToPicture();
    Changed();
}

void TGImage::ToggleBorder()
{
    borderStyle_ = borderStyle_ == TBorderStyle::bsSingle ? TBorderStyle::bsNone : TBorderStyle::bsSingle;
    Changed();
}

void TGImage::PrintTo(output::TBaseReport& report, double xOffset, double yOffset)
{
    const QRectF r = shape_geometry::PageRect(Bounds(), PixelsPerInch(), xOffset, yOffset);
    // Icons print like bitmaps: what the design shows is what the labels get.
    if (!raster_.isNull())
        report.DrawBitmapInBox(r.left(), r.top(), r.right(), r.bottom(), raster_);
    else if (picture_.Kind() == picture::TGPicture::TGraphicKind::Metafile)
        PrintMetafile(report, r);
    if (borderStyle_ == TBorderStyle::bsSingle) {
        report.SelectPen(qRgb(0, 0, 0), output::psSolid, 1, output::pmCopy);
        report.SelectBrush(qRgb(255, 255, 255), output::bsClear);
        report.DrawRectangle(r.left(), r.top(), r.right(), r.bottom());
    }
}

namespace {

// Rendered at the printer's own resolution, so that lines and letters stay
// sharp on paper, up to 300 dots per inch and a million pixels: the page
// stream keeps every picture's pixels uncompressed for every label, and
// beyond that the paper shows no difference for a label's logo.
constexpr double kMaxPrintDotsPerInch = 300;
constexpr double kMaxPrintPixels = 1e6;

QSize PrintRenderSize(QSize device, QSizeF inches)
{
    double shrink = 1;
    if (inches.width() > 0 && device.width() / inches.width() > kMaxPrintDotsPerInch)
        shrink = kMaxPrintDotsPerInch * inches.width() / device.width();
    if (inches.height() > 0 && device.height() / inches.height() > kMaxPrintDotsPerInch)
        shrink = std::min(shrink, kMaxPrintDotsPerInch * inches.height() / device.height());
    const double pixels = shrink * shrink * device.width() * device.height();
    if (pixels > kMaxPrintPixels)
        shrink *= std::sqrt(kMaxPrintPixels / pixels);
    return QSize(std::max(1, static_cast<int>(device.width() * shrink)),
                 std::max(1, static_cast<int>(device.height() * shrink)));
}

} // namespace

void TGImage::PrintMetafile(output::TBaseReport& report, const QRectF& pageRect)
{
    const QPoint topLeft(report.ToDeviceX(pageRect.left()), report.ToDeviceY(pageRect.top()));
    const QPoint bottomRight(report.ToDeviceX(pageRect.right()), report.ToDeviceY(pageRect.bottom()));
    const QRect device(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
    if (device.isEmpty())
        return;
    // A metafile with nothing to draw prints nothing, like an empty picture.
    const QSize size = PrintRenderSize(device.size(), pageRect.size());
    const QImage& drawing = printDrawing_.Drawing(picture_.GraphicData(), size);
    if (!drawing.isNull())
        report.StretchGraphic(device, drawing);
}

void TGImage::Paint(QPainter& painter)
{
    const QRect area(0, 0, Width(), Height());
    const QRect frame = area.adjusted(0, 0, -1, -1);
    if (!raster_.isNull()) {
        painter.drawImage(area, raster_);
    } else if (picture_.Kind() == picture::TGPicture::TGraphicKind::Metafile) {
        const QImage& drawing = screenDrawing_.Drawing(picture_.GraphicData(), area.size());
        painter.drawImage(area, drawing.isNull() ? picture::metafile::Placeholder(area.size()) : drawing);
    } else {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(frame);
    }
    if (borderStyle_ == TBorderStyle::bsSingle) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame);
    }
}

TGMenuItems TGImage::MenuItems(TGMenuHost& host)
{
    TGMenuItems items = TGGraphicControl::MenuItems(host);
    AppendMenuItems(items, {
        TGMenuItem::Separator(),
        TGMenuItem::Command(QStringLiteral("Load Image From Disk"), [this, &host] { host.LoadImageFromDisk(*this); }),
        TGMenuItem::Separator(),
        TGMenuItem::Toggle(QStringLiteral("Border"), borderStyle_ == TBorderStyle::bsSingle, [this] { ToggleBorder(); }),
        TGMenuItem::Toggle(QStringLiteral("Stretch to Fit"), Stretch(), [this] { ToggleStretch(); }),
        TGMenuItem::Toggle(QStringLiteral("AutoSize"), AutoSize(), [this] { ToggleAutoSize(); }),
    });
    return items;
}

void TGImage::DefineProperties(TGPropertyList& list)
{
    TGGraphicControl::DefineProperties(list);
    list.Boolean("AutoSize", [this] { return AutoSize(); }, [this](bool v) { SetAutoSize(v); }, false);
    list.Enumeration<TBorderStyle>("BorderStyle", BorderStyleType(), [this] { return BorderStyle(); },
                                   [this](TBorderStyle v) { SetBorderStyle(v); }, std::nullopt);
    list.Picture("Picture.Data", [this] { return Picture(); }, [this](const picture::TGPicture& v) { SetPicture(v); });
    list.Boolean("Stretch", [this] { return Stretch(); }, [this](bool v) { SetStretch(v); }, true);
}

} // namespace design
