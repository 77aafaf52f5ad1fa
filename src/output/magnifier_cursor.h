#pragma once

#include <QCursor>

namespace output {

// A magnifying-glass cursor for the preview page, drawn at run time so that
// no image file has to ship with the engine.
QCursor MagnifierCursor();

} // namespace output
