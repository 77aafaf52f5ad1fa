#include "design/panels/handle_widget.h"

#include "design/surface/handle_geometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace design {

namespace {

Qt::CursorShape CursorFor(frame::TGZone zone)
{
    switch (zone) {
    case frame::TGZone::TopLeft:
    case frame::TGZone::BottomRight:
        return Qt::SizeFDiagCursor;
    case frame::TGZone::TopRight:
    case frame::TGZone::BottomLeft:
        return Qt::SizeBDiagCursor;
    case frame::TGZone::Top:
    case frame::TGZone::Bottom:
        return Qt::SizeVerCursor;
    case frame::TGZone::Left:
    case frame::TGZone::Right:
        return Qt::SizeHorCursor;
    case frame::TGZone::Move:
        break;
    }
    return Qt::OpenHandCursor;
}

std::optional<TGNudge::TGArrow> ArrowOf(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return TGNudge::TGArrow::Left;
    case Qt::Key_Right:
        return TGNudge::TGArrow::Right;
    case Qt::Key_Up:
        return TGNudge::TGArrow::Up;
    case Qt::Key_Down:
        return TGNudge::TGArrow::Down;
    default:
        return std::nullopt;
    }
}

QRect AsRect(const TGBounds& bounds) { return QRect(bounds.Left, bounds.Top, bounds.Width, bounds.Height); }

} // namespace

TGHandle::TGHandle(TGHandleHost& host, QWidget* surface) : QWidget(surface), host_(host)
{
    setObjectName(QStringLiteral("SelectionFrame"));
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    ShowSelection();
}

void TGHandle::SetColor(const QColor& color)
{
    color_ = color;
    update();
}

void TGHandle::SetSecondaryColor(const QColor& color)
{
    secondaryColor_ = color;
    update();
}

void TGHandle::Add(TGGraphicControl* object)
{
    selection_.Add(object);
    ShowSelection();
}

void TGHandle::Remove(TGGraphicControl* object)
{
    selection_.Remove(object);
    ShowSelection();
}

void TGHandle::Toggle(TGGraphicControl* object)
{
    selection_.Toggle(object);
    ShowSelection();
}

void TGHandle::Clear()
{
    selection_.Clear();
    drag_.Cancel();
    ShowSelection();
}

void TGHandle::Refit()
{
    selection_.Refit();
    ShowSelection();
}

void TGHandle::ShowSelection()
{
    setGeometry(AsRect(selection_.Bounds()));
    const bool any = !selection_.IsEmpty();
    setEnabled(any);
    setVisible(any);
    if (any) {
        raise();
        setFocus(Qt::OtherFocusReason);
        setCursor(Qt::OpenHandCursor);
    }
    update();
}

QPoint TGHandle::ToFrame(QPoint surfacePoint) const { return surfacePoint - pos(); }

void TGHandle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool one = selection_.Count() == 1;
    const QColor fill = one ? color_ : secondaryColor_;
    painter.translate(-pos());
    for (const TGGraphicControl* object : selection_.Objects()) {
        for (const QRect& mark : frame::SelectionMarks(object->Bounds(), one))
            painter.fillRect(mark, fill);
    }
}

void TGHandle::BeginPendingDrag() { drag_.PressSelectedObject(host_.Now()); }

void TGHandle::SurfaceMouseMove(QPoint surfacePoint) { DragTo(ToFrame(surfacePoint)); }

void TGHandle::SurfaceMouseRelease(QPoint surfacePoint) { FinishDrag(ToFrame(surfacePoint)); }

void TGHandle::CancelDrag()
{
    drag_.Cancel();
    host_.ShowFrameFeedback(std::nullopt);
}

void TGHandle::DragTo(QPoint framePoint)
{
    const auto feedback = drag_.Move(framePoint, host_.Now(), selection_.Bounds(), host_.SurfaceSize(),
                                     selection_.GridX(), selection_.GridY());
    if (feedback)
        host_.ShowFrameFeedback(frame::FeedbackOutline(*feedback));
}

void TGHandle::FinishDrag(QPoint framePoint)
{
    const auto bounds = drag_.Release(framePoint, host_.Now(), selection_.Bounds(), host_.SurfaceSize(),
                                      selection_.GridX(), selection_.GridY());
    host_.ShowFrameFeedback(std::nullopt);
    if (bounds)
        ApplyBounds(*bounds);
    unsetCursor();
}

void TGHandle::ApplyBounds(const TGBounds& bounds)
{
    selection_.MoveFrameTo(bounds);
    ShowSelection();
    host_.FrameApplied();
}

void TGHandle::Forward(QMouseEvent* event)
{
    host_.ForwardMouseEvent(event->type(), mapToParent(event->position().toPoint()), event->button(),
                            event->buttons(), event->modifiers());
}

bool TGHandle::RemoveSelectedAt(QPoint surfacePoint)
{
    bool removed = false;
    const auto selected = selection_.Objects();
    for (TGGraphicControl* object : selected) {
        if (AsRect(object->Bounds()).contains(surfacePoint))
            removed = selection_.Remove(object) || removed;
    }
    if (removed)
        ShowSelection();
    return removed;
}

void TGHandle::mousePressEvent(QMouseEvent* event)
{
    const QPoint framePoint = event->position().toPoint();
    const QPoint surfacePoint = mapToParent(framePoint);
    forwarding_ = false;
    if (event->button() == Qt::RightButton) {
        host_.OpenMenuAt(surfacePoint, event->globalPosition().toPoint(), false);
        return;
    }
    if (event->button() != Qt::LeftButton || !host_.Pointing()) {
        forwarding_ = true;
        Forward(event);
        return;
    }
    // Shift-clicking a selected object takes it out of the selection; the
    // frame changed under the pointer, so no drag starts from that press.
    if (event->modifiers().testFlag(Qt::ShiftModifier) && RemoveSelectedAt(surfacePoint))
        return;
    drag_.PressOnFrame(framePoint, host_.Now());
}

void TGHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (forwarding_) {
        Forward(event);
        return;
    }
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        setCursor(CursorFor(drag_.Hover(event->position().toPoint(), size(), selection_.Count() == 1)));
        return;
    }
    DragTo(event->position().toPoint());
}

void TGHandle::mouseReleaseEvent(QMouseEvent* event)
{
    if (forwarding_ || !drag_.Dragging()) {
        forwarding_ = false;
        Forward(event);
        return;
    }
    FinishDrag(event->position().toPoint());
}

void TGHandle::mouseDoubleClickEvent(QMouseEvent* event)
{
    CancelDrag();
    if (selection_.Count() == 1)
        host_.OpenMenuAt(mapToParent(event->position().toPoint()), event->globalPosition().toPoint(), true);
}

bool TGHandle::Nudge(int key, Qt::KeyboardModifiers modifiers)
{
    const auto arrow = ArrowOf(key);
    if (!arrow || selection_.IsEmpty())
        return false;
    const bool resize = modifiers.testFlag(Qt::ShiftModifier) && selection_.Count() == 1;
    nudge_.Key(*arrow, resize, selection_.Bounds(), host_.SurfaceSize());
    host_.ShowFrameFeedback(nudge_.Outline());
    return true;
}

void TGHandle::keyPressEvent(QKeyEvent* event)
{
    if (Nudge(event->key(), event->modifiers()) || host_.CommandKey(event->key(), event->modifiers()))
        return;
    QWidget::keyPressEvent(event);
}

void TGHandle::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its press; the nudge ends when it is let go.
    if (event->isAutoRepeat() || !nudge_.Active() || !ArrowOf(event->key())) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    host_.ShowFrameFeedback(std::nullopt);
    if (const auto bounds = nudge_.Finish())
        ApplyBounds(*bounds);
}

} // namespace design
