#include "picture/metafile_object_table.h"

namespace picture::metafile {

void TObjectTable::Insert(const TGdiObject& object)
{
    if (!freed_.empty()) {
        const std::size_t index = *freed_.begin();
        freed_.erase(freed_.begin());
        slots_[index] = object;
    } else if (slots_.size() < cap_) {
        slots_.push_back(object);
    }
    // A full table drops the object; selecting it later finds nothing.
}

void TObjectTable::Remove(std::size_t index)
{
    if (index < slots_.size() && slots_[index]) {
        slots_[index].reset();
        freed_.insert(index);
    }
}

const TGdiObject* TObjectTable::Find(std::size_t index) const
{
    return index < slots_.size() && slots_[index] ? &*slots_[index] : nullptr;
}

} // namespace picture::metafile
