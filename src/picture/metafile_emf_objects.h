#pragma once

#include "picture/metafile_bytes.h"
#include "picture/metafile_gdi.h"

#include <map>

namespace picture::metafile {

// The object table of an enhanced metafile: records name the slot they
// create an object in; the top bit of an index names a stock object. The
// table holds at most as many objects as a header can announce.
class TEmfObjects {
public:
    // Handles the object records (create, delete); false for other records.
    bool Play(std::uint32_t type, const TRecordBytes& r);
    // The object an index of a SELECTOBJECT record names, or null.
    const TGdiObject* Find(std::uint32_t index);

private:
    void Store(std::uint32_t index, const TGdiObject& object);
    static TGdiObject ExtendedPen(const TRecordBytes& r);
    static TGdiObject PatternBrush(const TRecordBytes& r);
    static TFontSpec Font(const TRecordBytes& r);

    std::map<std::uint32_t, TGdiObject> objects_;
    TGdiObject stock_;
};

} // namespace picture::metafile
