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
    restoreIn(window, windowClassName(window), mainWindow, designedMaximized);
}

void TWindowPlacement::restoreAs(QWidget* window, const QString& className, const QWidget* mainWindow)
{
    restoreIn(window, className, mainWindow, false);
}

void TWindowPlacement::restoreIn(QWidget* window, const QString& className, const QWidget* mainWindow,
                                 bool designedMaximized)
{
    const TScreenMetrics screen = screen_();
    const TPlacement placement = readPlacement(ini_, placementSection(className, screen.dpi), designedMaximized);
    if (placement.hasRectangle())
        window->setGeometry(fitToDesktop(placement, screen.desktop).rect());
    else
        centreWindow(window, mainWindow, screen.screen);
    if (placement.maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    saveAs(window, className);
}

bool TWindowPlacement::save(const QWidget* window) { return saveAs(window, windowClassName(window)); }

bool TWindowPlacement::saveAs(const QWidget* window, const QString& className)
{
    const bool maximized = window->isMaximized();
    const QRect normal = maximized ? window->normalGeometry() : window->geometry();
    return writePlacement(ini_, placementSection(className, screen_().dpi), TPlacement::fromRect(normal, maximized));
}

} // namespace quorvel
