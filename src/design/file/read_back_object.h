#pragma once

#include "design/model/design_owner.h"
#include "design/model/property_list.h"

#include <memory>

namespace design {

class TGGraphicControl;

// What a reader holds of an object while its record is being written: a new
// object of the same class, with its record text discarded as before every
// save, that takes each value as it is written. The writer leaves out a value
// equal to its persistence default, but a new object does not always start
// at that default (a new text says "Text", a new font is Arial, a shape's
// brush follows its transparency); where the read-back object holds
// something else, the writer has to write the value after all.
class TGReadBackObject {
public:
    explicit TGReadBackObject(const TGGraphicControl& written);
    ~TGReadBackObject();
    TGReadBackObject(const TGReadBackObject&) = delete;
    TGReadBackObject& operator=(const TGReadBackObject&) = delete;

    // The read-back object's property of that name; none when the class is
    // not one a reader knows or has no such property.
    const TGProperty* Find(const TGProperty& property) const;

private:
    TGDesignOwner owner_;
    std::unique_ptr<TGGraphicControl> object_;
    TGPropertyList properties_;
};

} // namespace design
