#pragma once

#include "design/file/stream_value.h"
#include "design/model/property_list.h"

#include <optional>

// Between an object's properties and the values stored in a design file.
namespace design {

// The value to write for the property, or nothing when the writing rules
// leave it out (equal to its persistence default, an empty text, an empty
// picture or list). Raises EDesignFileError for text that Windows-1252
// cannot hold.
std::optional<TGStreamValue> StoredValue(const TGProperty& property);

// The value to write for the property whatever its persistence default: an
// empty text or list as such. Nothing when the property is not stored at all
// (a font never set) or is a picture without a graphic, which a file cannot
// express.
std::optional<TGStreamValue> ExplicitValue(const TGProperty& property);

// Whether two properties of the same name and kind hold the same value.
bool SameValue(const TGProperty& a, const TGProperty& b);

// Applies a value read from a design file; a value whose tag does not fit
// the property raises EDesignFileError("Invalid property value") at offset.
void ApplyStoredValue(const TGProperty& property, const TGStreamValue& value, qint64 offset);

} // namespace design
