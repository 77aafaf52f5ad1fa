#pragma once

#include "store/preferences.h"

class QWidget;

namespace quorvel {

class TSettings;

// The pieces of the main window's start-up and of its commands that need no
// address file. The main window calls them; they use the application's
// message boxes and help.

// True when a printer can be used; otherwise the user is told why. The PDF
// printer counts, so this passes on a machine without printers.
bool checkPrinter(QWidget* parent);

// Unless the user switched it off, shows "Getting Started" once the events
// now waiting (the rest of the start-up) have been handled.
void showGettingStartedAfterStartup(QWidget* mainWindow, TSettings& settings);
// "Getting Started", centred over the main window, modal.
void showGettingStarted(QWidget* mainWindow, TSettings& settings);

// "Preferences", modal; afterwards, whichever way it closed, the
// preferences as they now are in the settings file.
TProgramPreferences runPreferences(QWidget* mainWindow, TSettings& settings);

} // namespace quorvel
