#include "design/surface/object_commands.h"

#include "design/model/graphic_control.h"
#include "design/model/surface_objects.h"

#include <limits>

namespace design {

namespace {

constexpr int kCloneOffset = 25;

} // namespace

TGCloneResult CloneDesignObject(TGGraphicControl& source, TGDesignOwner& owner, TGSurfaceObjects& surface)
{
    TGCloneResult result = TGLabelObjectFiler().CloneObject(source, owner, surface);
    if (!result.copy)
        return result;
    const int top = source.Top() > std::numeric_limits<int>::max() - kCloneOffset ? std::numeric_limits<int>::max()
                                                                                   : source.Top() + kCloneOffset;
    result.copy->SetTop(top);
    surface.BringToFront(result.copy);
    return result;
}

} // namespace design
