#include "app/ini_placement_store.h"

namespace quorvel {

namespace {

// The class name a placement section is named after.
QString classNameOf(const QString& section)
{
    static const QString suffix = QStringLiteral("_Placement");
    return section.endsWith(suffix) ? section.chopped(suffix.size()) : section;
}

} // namespace

TIniPlacementStore::TIniPlacementStore(TIniFile& ini, TMainWindowSource mainWindow,
                                       TWindowPlacement::TScreenSource screen)
    : ini_(ini), mainWindow_(std::move(mainWindow)), screen_(std::move(screen))
{
}

void TIniPlacementStore::Restore(QWidget& window, const QString& section)
{
    TWindowPlacement(ini_, screen_).restoreAs(&window, classNameOf(section), mainWindow_ ? mainWindow_() : nullptr);
}

void TIniPlacementStore::Save(const QWidget& window, const QString& section)
{
    TWindowPlacement(ini_, screen_).saveAs(&window, classNameOf(section));
}

} // namespace quorvel
