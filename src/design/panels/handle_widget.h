#pragma once

#include "design/surface/handle_drag.h"
#include "design/surface/selection_frame.h"

#include <QColor>
#include <QEvent>
#include <QWidget>

#include <optional>

namespace design {

// What the selection frame needs from the surface it lies on.
class TGHandleHost {
public:
    virtual ~TGHandleHost() = default;
    virtual QSize SurfaceSize() const = 0;
    virtual qint64 Now() const = 0;
    // Selection mode; false while a creation tool is active.
    virtual bool Pointing() const = 0;
    // The dotted outline of the frame's bounds-to-be, in surface
    // coordinates, while dragging or nudging; nothing when over.
    virtual void ShowFrameFeedback(const std::optional<QRect>& outline) = 0;
    // A mouse event the frame does not take itself, for what lies below it.
    virtual void ForwardMouseEvent(QEvent::Type type, QPoint surfacePoint, Qt::MouseButton button,
                                   Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) = 0;
    // The right-click menu for the point: an object's or the surface's.
    virtual void OpenMenuAt(QPoint surfacePoint, QPoint globalPoint, bool objectOnly) = 0;
    // The frame got new bounds from a drag or a nudge.
    virtual void FrameApplied() = 0;
    // Copy, paste, cut and delete keys; true when handled.
    virtual bool CommandKey(int key, Qt::KeyboardModifiers modifiers) = 0;
};

// The selection frame: a transparent window over the selected objects that
// shows their marks and lets the user move and resize them with the mouse
// and the arrow keys. Hidden while nothing is selected.
class TGHandle : public QWidget {
public:
    TGHandle(TGHandleHost& host, QWidget* surface);

    TGSelectionFrame& Selection() { return selection_; }
    const TGSelectionFrame& Selection() const { return selection_; }

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);
    QColor SecondaryColor() const { return secondaryColor_; }
    void SetSecondaryColor(const QColor& color);
    int GridX() const { return selection_.GridX(); }
    void SetGridX(int step) { selection_.SetGridX(step); }
    int GridY() const { return selection_.GridY(); }
    void SetGridY(int step) { selection_.SetGridY(step); }
    bool SnapToGrid() const { return selection_.SnapToGrid(); }
    void SetSnapToGrid(bool snap) { selection_.SetSnapToGrid(snap); }

    // Selection changes; each one shows the frame where it now belongs.
    void Add(TGGraphicControl* object);
    void Remove(TGGraphicControl* object);
    void Toggle(TGGraphicControl* object);
    void Clear();
    void Refit();

    // A press on an object selected it: the frame follows the mouse from
    // here on, through the surface, which holds the mouse until release.
    void BeginPendingDrag();
    bool TracksSurfaceMouse() const { return drag_.Pending() || drag_.Dragging(); }
    void SurfaceMouseMove(QPoint surfacePoint);
    void SurfaceMouseRelease(QPoint surfacePoint);
    void CancelDrag();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void ShowSelection();
    void DragTo(QPoint framePoint);
    void FinishDrag(QPoint framePoint);
    void ApplyBounds(const TGBounds& bounds);
    void Forward(QMouseEvent* event);
    bool RemoveSelectedAt(QPoint surfacePoint);
    bool Nudge(int key, Qt::KeyboardModifiers modifiers);
    QPoint ToFrame(QPoint surfacePoint) const;

    TGHandleHost& host_;
    TGSelectionFrame selection_;
    TGDragTracker drag_;
    TGNudge nudge_;
    QColor color_{Qt::black};
    QColor secondaryColor_{0x80, 0x80, 0x80};
    bool forwarding_ = false;
};

} // namespace design
