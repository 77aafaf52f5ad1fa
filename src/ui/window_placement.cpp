#include "ui/window_placement.h"

#include "ui/centring.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quorvel {

TScreenMetrics currentScreenMetrics()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect desktop = screen->virtualGeometry();
    return {QSize(desktop.x() + desktop.width(), desktop.y() + desktop.height()), screen->availableGeometry(),
            qRound(screen->logicalDotsPerInch())};
}

QString windowClassName(const QWidget* window)
{
    const QString name = QString::fromLatin1(window->metaObject()->className());
    return name.mid(name.lastIndexOf(u':') + 1);
}

TWindowPlacement::TWindowPlacement(TIniFile& ini, TScreenSource screen) : ini_(ini), screen_(std::move(screen)) { }

QString TWindowPlacement::sectionFor(const QWidget* window) const
{
    return placementSection(windowClassName(window), screen_().dpi);
}

void TWindowPlacement::restore(QWidget* window, const QWidget* mainWindow, bool designedMaximized)
{
    const TScreenMetrics screen = screen_();
    const TPlacement placement = readPlacement(ini_, sectionFor(window), designedMaximized);
    if (placement.hasRectangle())
        window->setGeometry(fitToDesktop(placement, screen.desktop).rect());
    else
        centreWindow(window, mainWindow, screen.screen);
    if (placement.maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    save(window);
}

bool TWindowPlacement::save(const QWidget* window)
{
    const bool maximized = window->isMaximized();
    const QRect normal = maximized ? window->normalGeometry() : window->geometry();
    return writePlacement(ini_, sectionFor(window), TPlacement::fromRect(normal, maximized));
}

} // namespace quorvel
