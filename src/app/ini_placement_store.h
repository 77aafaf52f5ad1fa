#pragma once

#include "output/placement_store.h"
#include "ui/window_placement.h"

#include <functional>

namespace quorvel {

class TIniFile;

// Where the page output engine's windows (the preview) keep their size and
// position: the settings file, under the same rules as every other
// resizable window (the section's class name, the screen's pixels per inch
// above 96, moved onto a smaller desktop, centred over the main window when
// nothing is stored).
class TIniPlacementStore : public output::TPlacementStore {
public:
    using TMainWindowSource = std::function<const QWidget*()>;

    TIniPlacementStore(TIniFile& ini, TMainWindowSource mainWindow,
                       TWindowPlacement::TScreenSource screen = currentScreenMetrics);

    // `section` is class name + "_Placement" ("TPreviewForm_Placement").
    void Restore(QWidget& window, const QString& section) override;
    void Save(const QWidget& window, const QString& section) override;

private:
    TIniFile& ini_;
    TMainWindowSource mainWindow_;
    TWindowPlacement::TScreenSource screen_;
};

} // namespace quorvel
