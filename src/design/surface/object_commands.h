#pragma once

#include "design/file/label_object_filer.h"

namespace design {

class TGDesignOwner;
class TGGraphicControl;
class TGSurfaceObjects;

// The "Clone" command of an object: a copy 25 pixels below the source, at
// the same Left, on top of the surface. Selecting the copy and refreshing
// record data are the surface window's part.
TGCloneResult CloneDesignObject(TGGraphicControl& source, TGDesignOwner& owner, TGSurfaceObjects& surface);

} // namespace design
