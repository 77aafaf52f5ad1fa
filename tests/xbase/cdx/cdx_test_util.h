#pragma once

#include "xbase/cdx/index_file.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace cdx_test {

using Entry = std::pair<std::string, std::uint32_t>;
using Entries = std::vector<Entry>;

// A character key: text padded with blanks to the key length.
std::string charKey(const std::string& text, int keyLength);
xbase::TagInfo charTag(const std::string& name, int keyLength);

// Every entry of a tag in walking order (first/next), and backwards
// (last/prev) reversed, which must be the same list.
Entries walkForward(xbase::IndexFile& index, int tag);
Entries walkBackward(xbase::IndexFile& index, int tag);

// Whole-file helpers for building damaged variants of a small valid file.
std::string readAll(const std::string& path);
void writeAll(const std::string& path, const std::string& bytes);
void patchLe32(const std::string& path, std::size_t at, std::uint32_t value);
void patchLe16(const std::string& path, std::size_t at, std::uint16_t value);
void patchByte(const std::string& path, std::size_t at, unsigned char value);

} // namespace cdx_test
