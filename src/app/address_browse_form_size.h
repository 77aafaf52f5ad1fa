#pragma once

#include <QSize>

namespace quorvel {

// The browse window's size at the screen's pixels per inch: its designed
// size up to 96, above that grown by dpi / 96 x 0.95 so the larger text
// still fits without the window filling the screen.
QSize browseFormSize(int dpi);

} // namespace quorvel
