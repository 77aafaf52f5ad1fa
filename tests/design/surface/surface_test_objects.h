#pragma once

#include "design/model/design_owner.h"
#include "design/model/graphic_control.h"

#include <memory>
#include <vector>

namespace surface_test {

// A design object with nothing but its geometry and flags.
class TPlainObject : public design::TGGraphicControl {
public:
    using TGGraphicControl::TGGraphicControl;
    QByteArray ClassName() const override { return QByteArrayLiteral("TGLineShape"); }
};

// Objects made from bounds, owned by the fixture.
class TObjects {
public:
    design::TGGraphicControl* Make(const design::TGBounds& bounds, bool locked = false, bool unselectable = false)
    {
        auto object = std::make_unique<TPlainObject>(owner_);
        object->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
        object->SetLocked(locked);
        object->SetUnselectable(unselectable);
        objects_.push_back(std::move(object));
        return objects_.back().get();
    }
    std::vector<design::TGGraphicControl*> All() const
    {
        std::vector<design::TGGraphicControl*> all;
        for (const auto& object : objects_)
            all.push_back(object.get());
        return all;
    }

private:
    design::TGDesignOwner owner_;
    std::vector<std::unique_ptr<TPlainObject>> objects_;
};

} // namespace surface_test
