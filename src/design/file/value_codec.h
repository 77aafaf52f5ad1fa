#pragma once

#include "design/file/stream_value.h"

#include <QString>

namespace design {

class TGByteReader;
class TGByteWriter;

// Reads one tagged value. Lists may hold plain values only (no design object
// property nests them), which also keeps hostile nesting from recursing.
// TagExtended, TagNil, TagCollection and unknown tags are refused with
// "Invalid property value".
TGStreamValue ReadValue(TGByteReader& reader);

// Writes one value with the smallest integer tag that holds it and TagString
// or TagLongString by length.
void WriteValue(TGByteWriter& writer, const TGStreamValue& value);

// The value as one line of text for listings: integers in decimal, names
// bare, texts in double quotes with control characters escaped.
QString FormatValue(const TGStreamValue& value);

} // namespace design
