#include "ui/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quorvel {

namespace {

QRect primaryScreenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

QPoint centredTopLeft(const QRect& area, const QSize& size)
{
    return {area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2};
}

void centreWindow(QWidget* window, const QWidget* mainWindow, const QRect& screen)
{
    const bool overMain = mainWindow && mainWindow != window && !mainWindow->isMaximized();
    const QRect area = overMain ? mainWindow->geometry() : screen;
    // A dialog that has never been shown has no size of its own yet.
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    window->move(centredTopLeft(area, window->size()));
    const Qt::WindowFlags flags = window->windowFlags();
    if (flags.testFlag(Qt::WindowMaximizeButtonHint) && !flags.testFlag(Qt::WindowSystemMenuHint))
        window->setWindowFlag(Qt::WindowSystemMenuHint, true);
}

void centreWindow(QWidget* window, const QWidget* mainWindow) { centreWindow(window, mainWindow, primaryScreenArea()); }

QPoint keptOnDesktop(const QRect& frame, const QSize& desktop)
{
    QPoint topLeft = frame.topLeft();
    if (frame.left() + frame.width() > desktop.width() && frame.left() > 0)
        topLeft.setX(0);
    if (frame.top() + frame.height() > desktop.height() && frame.top() > 0)
        topLeft.setY(0);
    return topLeft;
}

} // namespace quorvel
