#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

// Mouse events as a user's would arrive: a press goes to the window under
// the pointer (the selection frame or the surface), and that window keeps
// the mouse until the button is released.
class TSurfaceMouse {
public:
    explicit TSurfaceMouse(QWidget& surface) : surface_(surface) {}

    void Press(QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton)
    {
        grab_ = WindowAt(point);
        buttons_ = button;
        Send(QEvent::MouseButtonPress, point, button, modifiers);
    }
    void Move(QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        // Without a button held the pointer just passes over what is there.
        if (buttons_ == Qt::NoButton)
            grab_ = WindowAt(point);
        Send(QEvent::MouseMove, point, Qt::NoButton, modifiers);
        if (buttons_ == Qt::NoButton)
            grab_ = nullptr;
    }
    void Release(QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const auto button = static_cast<Qt::MouseButton>(buttons_.toInt());
        buttons_ = Qt::NoButton;
        Send(QEvent::MouseButtonRelease, point, button, modifiers);
        grab_ = nullptr;
    }
    void Click(QPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Press(point, modifiers);
        Release(point, modifiers);
    }

private:
    QWidget* WindowAt(QPoint point)
    {
        QWidget* child = surface_.childAt(point);
        return child && child->isVisible() ? child : &surface_;
    }
    void Send(QEvent::Type type, QPoint surfacePoint, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
    {
        QWidget* target = grab_ ? grab_.data() : &surface_;
        const QPoint local = target->mapFrom(&surface_, surfacePoint);
        QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, buttons_, modifiers);
        QApplication::sendEvent(target, &event);
    }

    QWidget& surface_;
    QPointer<QWidget> grab_;
    Qt::MouseButtons buttons_;
};
