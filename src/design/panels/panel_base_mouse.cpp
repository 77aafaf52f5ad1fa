#include "design/panels/panel_base.h"

#include "design/model/graphic_control.h"
#include "design/surface/surface_commands.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace design {

namespace {

QPoint PointOf(const QMouseEvent* event) { return event->position().toPoint(); }
QPoint GlobalOf(const QMouseEvent* event) { return event->globalPosition().toPoint(); }

QRect GrownBounds(const TGGraphicControl& object)
{
    return QRect(object.Left() - 2, object.Top() - 2, object.Width() + 4, object.Height() + 4);
}

} // namespace

void TGBasePanel::mousePressEvent(QMouseEvent* event)
{
    TGGraphicControl* object = surface::ObjectAt(objects_.Objects(), PointOf(event));
    if (object)
        ObjectMouseDown(*object, event->button(), event->modifiers(), PointOf(event));
    else
        SurfaceMouseDown(event->button(), event->modifiers(), PointOf(event), GlobalOf(event));
}

void TGBasePanel::ObjectMouseDown(TGGraphicControl& object, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                  QPoint surfacePoint)
{
    if (!pointing_ || object.Unselectable()) {
        SurfaceMouseDown(button, modifiers, surfacePoint, mapToGlobal(surfacePoint));
        return;
    }
    SelectObject(&object, modifiers.testFlag(Qt::ShiftModifier));
    if (button == Qt::LeftButton)
        handle_->BeginPendingDrag();
    if (button == Qt::RightButton && handle_->Selection().Count() == 1)
        OpenObjectMenu(object, mapToGlobal(surfacePoint));
}

void TGBasePanel::SurfaceMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint point,
                                   QPoint globalPoint)
{
    if (button == Qt::RightButton) {
        SurfaceMenu().popup(globalPoint);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    if (!modifiers.testFlag(Qt::ShiftModifier))
        ClearSelection();
    band_.Start(point);
    setCursor(Qt::PointingHandCursor);
    update();
}

void TGBasePanel::mouseMoveEvent(QMouseEvent* event)
{
    if (handle_->TracksSurfaceMouse()) {
        handle_->SurfaceMouseMove(PointOf(event));
        return;
    }
    SurfaceMouseMove(PointOf(event));
}

void TGBasePanel::SurfaceMouseMove(QPoint point)
{
    if (band_.Active()) {
        band_.Move(point);
        update();
        return;
    }
    if (!pointing_)
        return;
    const bool overObject = surface::ObjectAt(objects_.Objects(), point) != nullptr;
    setCursor(overObject ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TGBasePanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (handle_->TracksSurfaceMouse()) {
        handle_->SurfaceMouseRelease(PointOf(event));
        return;
    }
    if (band_.Active()) {
        band_.Move(PointOf(event));
        SurfaceMouseUp(event->modifiers());
    }
}

void TGBasePanel::SurfaceMouseUp(Qt::KeyboardModifiers modifiers)
{
    const QRect band = band_.Finish();
    update();
    if (pointing_) {
        SelectBand(band, modifiers.testFlag(Qt::ShiftModifier));
        setCursor(Qt::ArrowCursor);
        return;
    }
    CreateObjectInRect(band);
    emit DroppedObjectEvent(band);
}

void TGBasePanel::SelectBand(const QRect& band, bool toggle)
{
    const auto found = surface::ObjectsInBand(objects_.Objects(), band);
    if (!toggle)
        handle_->Clear();
    for (TGGraphicControl* object : found) {
        if (toggle)
            handle_->Toggle(object);
        else
            handle_->Add(object);
    }
    if (!handle_->Selection().IsEmpty())
        setCursor(Qt::OpenHandCursor);
    update();
}

void TGBasePanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    handle_->CancelDrag();
    if (TGGraphicControl* object = surface::ObjectAt(objects_.Objects(), PointOf(event)))
        OpenObjectMenu(*object, GlobalOf(event));
}

void TGBasePanel::ForwardMouseEvent(QEvent::Type type, QPoint surfacePoint, Qt::MouseButton button,
                                    Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    // Objects have no windows of their own, so what lies below the frame is
    // the surface itself.
    QMouseEvent forwarded(type, QPointF(surfacePoint), QPointF(mapToGlobal(surfacePoint)), button, buttons,
                          modifiers);
    switch (type) {
    case QEvent::MouseButtonPress:
        SurfaceMouseDown(button, modifiers, surfacePoint, mapToGlobal(surfacePoint));
        break;
    case QEvent::MouseMove:
        mouseMoveEvent(&forwarded);
        break;
    case QEvent::MouseButtonRelease:
        mouseReleaseEvent(&forwarded);
        break;
    default:
        break;
    }
}

void TGBasePanel::OpenMenuAt(QPoint surfacePoint, QPoint globalPoint, bool objectOnly)
{
    const auto& selection = handle_->Selection().Objects();
    if (selection.size() == 1 && GrownBounds(*selection.front()).contains(surfacePoint)) {
        OpenObjectMenu(*selection.front(), globalPoint);
        return;
    }
    if (!objectOnly)
        SurfaceMenu().popup(globalPoint);
}

void TGBasePanel::FrameApplied()
{
    NotifyChanged();
    update();
}

void TGBasePanel::keyPressEvent(QKeyEvent* event)
{
    if (!CommandKey(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}

bool TGBasePanel::CommandKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    if (control && key == Qt::Key_C)
        CopyClick();
    else if (control && key == Qt::Key_V)
        PasteClick();
    else if (control && key == Qt::Key_X)
        CutClick();
    else if (key == Qt::Key_Delete)
        DeleteClick();
    else
        return false;
    return true;
}

} // namespace design
