#pragma once

#include "ui/placement_rules.h"

#include <functional>

class QWidget;

namespace quorvel {

class TIniFile;

// The screen the program runs on: the whole desktop, the primary screen's
// free area and its logical pixels per inch.
TScreenMetrics currentScreenMetrics();

// The class name a window's placement section is named after, without
// namespaces ("TAddressMain").
QString windowClassName(const QWidget* window);

// Remembers where resizable windows were: restored on their first
// activation, saved when they close. The screen is asked through a function
// so that tests can pretend any size and resolution.
class TWindowPlacement {
public:
    using TScreenSource = std::function<TScreenMetrics()>;

    explicit TWindowPlacement(TIniFile& ini, TScreenSource screen = currentScreenMetrics);

    QString sectionFor(const QWidget* window) const;

    // Applies the stored rectangle (moved onto a smaller desktop) or centres
    // the window when none is stored, maximizes it when it was, and saves the
    // result at once. `mainWindow` is null for the main window itself.
    void restore(QWidget* window, const QWidget* mainWindow, bool designedMaximized = false);
    // Writes the normal-state rectangle and whether the window is maximized.
    bool save(const QWidget* window);

    // The same for a window whose section is named after `className` rather
    // than its own class (windows of the page output engine name theirs).
    void restoreAs(QWidget* window, const QString& className, const QWidget* mainWindow);
    bool saveAs(const QWidget* window, const QString& className);

private:
    void restoreIn(QWidget* window, const QString& className, const QWidget* mainWindow, bool designedMaximized);

    TIniFile& ini_;
    TScreenSource screen_;
};

} // namespace quorvel
