#pragma once

#include "design/file/byte_writer.h"
#include "design/file/stream_value.h"

#include <vector>

namespace design {

class TGGraphicControl;

// Writes object lists and value lists of a design file into memory. Text
// that Windows-1252 cannot hold raises EDesignFileError.
class TGDesignWriter {
public:
    // TagList, one record per object in the given order, TagEnd.
    void WriteObjectList(const std::vector<TGGraphicControl*>& objects);
    // "TPF0", class, name, the stored properties, TagEnd, TagEnd. A property
    // is stored when it is away from its persistence default, and also when
    // a reader would not get its value back otherwise (see TGReadBackObject).
    void WriteObject(TGGraphicControl& object);
    // TagList, the values, TagEnd.
    void WriteValueList(const std::vector<TGStreamValue>& values);

    const QByteArray& Bytes() const { return writer_.Bytes(); }

private:
    TGByteWriter writer_;
};

} // namespace design
