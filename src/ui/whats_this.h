#pragma once

#include <QString>

class QMenu;
class QWidget;

namespace quorvel {

// Gives a control its short help text, offered as "What's this?" when the
// control is right-clicked (after the edit commands of an edit box).
void setWhatsThisText(QWidget* control, const QString& text);

// The menu such a right-click pops up; the caller owns it.
QMenu* createWhatsThisMenu(QWidget* control);

} // namespace quorvel
