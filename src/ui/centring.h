#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace quorvel {

// Where a window of `size` goes to sit centred over `area`: each side is
// offset by half the difference, divided as integers (toward zero), so a
// window larger than the area extends equally beyond it.
QPoint centredTopLeft(const QRect& area, const QSize& size);

// Centres a window before it is shown: over the main window, or on the
// screen when it is the main window, when there is no main window or when
// the main window is maximized. A window with a maximize button also gets
// its system menu.
void centreWindow(QWidget* window, const QWidget* mainWindow, const QRect& screen);
// The same on the screen the window will appear on.
void centreWindow(QWidget* window, const QWidget* mainWindow);

// Where a window in normal state goes after it was resized so that it
// passes the desktop's right or bottom edge: to left 0 (top 0) when its left
// (top) is above 0, so that the user can reach its far edge again. A window
// that fits stays where it is.
QPoint keptOnDesktop(const QRect& frame, const QSize& desktop);

} // namespace quorvel
