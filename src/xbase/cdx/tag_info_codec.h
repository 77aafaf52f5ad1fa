#pragma once

#include "xbase/cdx/index_file.h"
#include "xbase/cdx/index_header.h"

#include <string>
#include <string_view>

namespace xbase::cdx {

// Checks a caller's tag description; the result has its name in upper case.
Status normalizeTagInfo(const TagInfo& in, TagInfo* out);
// The header a tag is written with (root still to be set).
IndexHeader tagHeader(const TagInfo& info, bool compound);
// The header of a compound file's tag directory.
IndexHeader directoryHeader();
TagInfo tagInfoFrom(const std::string& name, const IndexHeader& header);
// Tag names in the directory: blank-padded to 10 bytes.
std::string directoryKey(const std::string& name);
// The name a directory key stands for (padding removed).
std::string tagNameFromKey(std::string_view key);
// A single-order file's tag is named after the file.
std::string tagNameFromPath(const std::string& path);
std::string upperAscii(std::string_view s);

} // namespace xbase::cdx
