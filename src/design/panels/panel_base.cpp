#include "design/panels/panel_base.h"

#include "design/model/design_owner.h"
#include "design/model/dialog_font.h"
#include "design/model/graphic_control.h"
#include "design/surface/surface_commands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace design {

namespace {

std::function<qint64()> SystemClock()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    // Offset so that no time reads as zero, which would look like "never".
    return [timer] { return timer->elapsed() + 1; };
}

} // namespace

TGBasePanel::TGBasePanel(TGDesignOwner& owner, const TGClassSet& acceptedClasses, const QString& clipboardFolder,
                         QWidget* parent)
    : QWidget(parent), owner_(owner), objects_(acceptedClasses), clipboard_(clipboardFolder), clock_(SystemClock())
{
    setObjectName(QStringLiteral("DesignSurface"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    objects_.SetListener(this);
    handle_ = new TGHandle(*this, this);
}

TGBasePanel::~TGBasePanel()
{
    objects_.SetListener(nullptr);
    handle_->Clear();
    objects_.Clear();
    clipboard_.Discard();
}

void TGBasePanel::SetDrawOutline(bool draw)
{
    background_.DrawOutline = draw;
    update();
}

void TGBasePanel::SetPicture(const QImage& picture)
{
    background_.Picture = picture;
    update();
}

void TGBasePanel::SetColorPicture(const QImage& picture)
{
    background_.ColorPicture = picture;
    update();
}

void TGBasePanel::SetPrinting(bool printing) { printing_ = printing; }

void TGBasePanel::SetShape(TLabelShapeType shape)
{
    background_.Shape = shape;
    update();
}

void TGBasePanel::SetGridSize(TGridSize size)
{
    background_.GridSize = size;
    SetSnapToGrid(snapToGrid_);
    update();
}

void TGBasePanel::SetShowGrid(bool show)
{
    background_.ShowGrid = show;
    update();
}

void TGBasePanel::SetSnapToGrid(bool snap)
{
    snapToGrid_ = snap;
    const int step = snap ? GridStep(background_.GridSize) : 1;
    handle_->SetGridX(step);
    handle_->SetGridY(step);
}

void TGBasePanel::SetZoom(float factor)
{
    if (!(factor > 0.0f) || factor == zoom_)
        return;
    zooming_ = true;
    const float current = zoom_ == 0.0f ? 1.0f : zoom_;
    // Each size is worked out from the size at 100 %, not from the last
    // zoomed one: rounding step after step would leave the surface a pixel
    // off its envelope or label after zooming out and back in. A size set
    // from outside since the last zoom is the new one at 100 %.
    if (size() != surface::Zoomed(actualSize_, current))
        actualSize_ = current == 1.0f ? size() : surface::Zoomed(size(), 1.0f / current);
    resize(surface::Zoomed(actualSize_, factor));
    zoom_ = factor;
    objects_.SetZoomOfAll(factor);
    handle_->Refit();
    ProcessPendingUpdates();
    zooming_ = false;
}

void TGBasePanel::HookObject(TGGraphicControl& object) { object.SetZoom(zoom_); }

void TGBasePanel::HookAllObjects()
{
    const bool wasZooming = zooming_;
    zooming_ = true; // fitting the zoom is no edit of the design
    for (TGGraphicControl* object : objects_.Objects())
        HookObject(*object);
    zooming_ = wasZooming;
}

void TGBasePanel::NotifyChanged()
{
    if (!zooming_ && !printing_)
        emit LabelChangedEvent();
}

void TGBasePanel::ProcessPendingUpdates()
{
    if (!printing_)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

TGFont TGBasePanel::NewObjectFont() const
{
    // Black, and 10 points should the screen font have no size at all.
    const int pixelsPerInch = owner_.PixelsPerInch();
    const TGFont fallback = TGFont::Make(font().family(), 10, pixelsPerInch, clBlack);
    return DesignFontFrom(font(), pixelsPerInch, fallback);
}

void TGBasePanel::ObjectChanged(TGGraphicControl&)
{
    NotifyChanged();
    if (!printing_)
        update();
}

void TGBasePanel::ObjectBoundsChanged(TGGraphicControl& object)
{
    // Refitting waits until the current event is done, so a command that
    // moves many objects refits once.
    if (printing_ || refitPosted_ || !handle_->Selection().Contains(&object))
        return;
    refitPosted_ = true;
    QTimer::singleShot(0, this, [this] { RefitSelection(); });
}

void TGBasePanel::RefitSelection()
{
    refitPosted_ = false;
    handle_->Refit();
    update();
}

void TGBasePanel::paintEvent(QPaintEvent*)
{
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&buffer);
        PaintBackground(painter, size(), background_);
        PaintObjects(painter);
        PaintFeedback(painter);
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void TGBasePanel::PaintObjects(QPainter& painter)
{
    for (TGGraphicControl* object : objects_.Objects()) {
        painter.save();
        painter.translate(object->Left(), object->Top());
        painter.setClipRect(QRect(0, 0, object->Width(), object->Height()));
        object->Paint(painter);
        painter.restore();
    }
}

void TGBasePanel::PaintFeedback(QPainter& painter)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    if (band_.Active())
        painter.drawRect(band_.Current());
    if (frameFeedback_)
        painter.drawRect(frameFeedback_->adjusted(0, 0, -1, -1));
    painter.restore();
}

void TGBasePanel::ShowFrameFeedback(const std::optional<QRect>& outline)
{
    frameFeedback_ = outline;
    update();
}

} // namespace design
