#pragma once

#include "app/app_output_dialogs.h"
#include "app/ini_placement_store.h"

namespace output {
class TPreviewForm;
}

namespace quorvel {

// The page output engine's seams as the program fills them: its errors and
// questions through the program's messages and dialogs, its windows'
// placement in the settings file. The program makes one at start and
// installs it for the run (TOutputServicesScope); the windows that print
// reach it through current().
class TOutputServices {
public:
    TOutputServices(TIniFile& ini, TIniPlacementStore::TMainWindowSource mainWindow,
                    TWindowPlacement::TScreenSource screen = currentScreenMetrics);

    output::TOutputDialogs& dialogs() { return dialogs_; }
    output::TPlacementStore& placement() { return placement_; }

    // Gives a preview window the program's dialogs, its remembered placement
    // and a Help button that opens `helpContext`.
    void preparePreview(output::TPreviewForm& form, int helpContext);

    // The services installed for this run; null when none is.
    static TOutputServices* current();

private:
    TAppOutputDialogs dialogs_;
    TIniPlacementStore placement_;
};

// Installs the services while it lives and puts the previous ones back.
class TOutputServicesScope {
public:
    explicit TOutputServicesScope(TOutputServices& services);
    ~TOutputServicesScope();
    TOutputServicesScope(const TOutputServicesScope&) = delete;
    TOutputServicesScope& operator=(const TOutputServicesScope&) = delete;

private:
    TOutputServices* previous_;
};

} // namespace quorvel
