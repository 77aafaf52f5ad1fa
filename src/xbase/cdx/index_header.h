#pragma once

#include "xbase/cdx/key_encoding.h"
#include "xbase/core/status.h"

#include <cstdint>
#include <string>

namespace xbase::cdx {

// Sizes and marks of the compact index layout (see FORMAT.md).
constexpr std::size_t kPageSize = 512;
constexpr std::size_t kHeaderSize = 1024;
constexpr std::uint32_t kNoPage = 0xFFFFFFFF;
constexpr int kMaxKeyLength = 240;
constexpr int kTagNameLength = 10;

// Index option bits of the header.
constexpr unsigned char kOptionUnique = 0x01;
constexpr unsigned char kOptionFor = 0x08;
constexpr unsigned char kOptionCompact = 0x20;
constexpr unsigned char kOptionCompound = 0x40;
constexpr unsigned char kOptionTagList = 0x80;

// The 1024-byte header of one tag, of a single-order file, or of the tag
// directory of a compound file.
struct IndexHeader {
    std::uint32_t root = kNoPage;
    std::uint32_t freeList = kNoPage;
    std::uint32_t version = 0;
    int keyLength = 0;
    unsigned char options = kOptionCompact;
    unsigned char signature = 1;
    bool descending = false;
    // Our own mark of the key type in a byte the layout leaves reserved;
    // files written elsewhere carry 0 there, read as Character.
    KeyType keyType = KeyType::Character;
    // Ours too, in the reserved byte after the key type and only in a file's
    // first header: set while a session that changes the table may have left
    // the tags behind it (see FORMAT.md). Files written elsewhere read clean.
    bool staleMark = false;
    std::string keyExpression;
    std::string forExpression;
};

// Where the stale mark lives in a file's first header, and its value.
constexpr std::size_t kStaleMarkAt = 17;
constexpr unsigned char kStaleMarkSet = 'W';

void encodeIndexHeader(const IndexHeader& h, unsigned char* out); // kHeaderSize bytes
// Checks everything the header alone can tell; `what` names it in messages.
Status decodeIndexHeader(const unsigned char* in, const std::string& what, IndexHeader* h);

} // namespace xbase::cdx
