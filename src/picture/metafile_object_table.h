#pragma once

#include "picture/metafile_gdi.h"

#include <optional>
#include <set>
#include <vector>

namespace picture::metafile {

// The objects a Windows metafile creates: each new object takes the lowest
// free slot, as the player of the format requires. The table never grows
// beyond its cap, whatever a file asks for.
class TObjectTable {
public:
    explicit TObjectTable(std::size_t cap) : cap_(cap) {}

    void Insert(const TGdiObject& object);
    void Remove(std::size_t index);
    // Null for an index out of range or a free slot.
    const TGdiObject* Find(std::size_t index) const;

private:
    std::size_t cap_;
    std::vector<std::optional<TGdiObject>> slots_;
    std::set<std::size_t> freed_;
};

} // namespace picture::metafile
