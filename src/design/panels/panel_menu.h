#pragma once

#include "design/model/object_menu.h"

class QMenu;
class QWidget;

namespace design {

// Turns menu items given as data into the actions of a Qt menu; each action
// gets an object name made from its caption ("mnuBringToFront").
void FillMenu(QMenu& menu, const TGMenuItems& items);
QString MenuObjectName(const QString& caption);

} // namespace design
