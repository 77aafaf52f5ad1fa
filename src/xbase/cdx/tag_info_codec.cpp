#include "xbase/cdx/tag_info_codec.h"

#include <filesystem>

namespace xbase::cdx {
namespace {

bool validTagName(const std::string& name)
{
    if (name.empty() || name.size() > static_cast<std::size_t>(kTagNameLength))
        return false;
    if (name[0] >= '0' && name[0] <= '9')
        return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

int requiredKeyLength(KeyType t)
{
    switch (t) {
    case KeyType::Numeric:
    case KeyType::Date: return 8;
    case KeyType::Logical: return 1;
    case KeyType::Character: return 0;
    }
    return 0;
}

} // namespace

std::string upperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

Status normalizeTagInfo(const TagInfo& in, TagInfo* out)
{
    *out = in;
    out->name = upperAscii(in.name);
    if (!validTagName(out->name))
        return Status::invalidArgument("\"" + in.name + "\" is not a valid tag name (1 to 10 letters, digits or _)");
    if (in.keyLength < 1 || in.keyLength > kMaxKeyLength)
        return Status::invalidArgument("tag " + out->name + ": key length must be 1 to " + std::to_string(kMaxKeyLength));
    const int required = requiredKeyLength(in.keyType);
    if (required != 0 && in.keyLength != required)
        return Status::invalidArgument("tag " + out->name + ": this key type needs a key length of " + std::to_string(required));
    return Status::ok();
}

IndexHeader tagHeader(const TagInfo& info, bool compound)
{
    IndexHeader h;
    h.keyLength = info.keyLength;
    h.options = static_cast<unsigned char>(kOptionCompact | (compound ? kOptionCompound : 0) |
                                           (info.unique ? kOptionUnique : 0) |
                                           (info.forExpression.empty() ? 0 : kOptionFor));
    h.descending = info.descending;
    h.keyType = info.keyType;
    h.keyExpression = info.keyExpression;
    h.forExpression = info.forExpression;
    return h;
}

IndexHeader directoryHeader()
{
    IndexHeader h;
    h.keyLength = kTagNameLength;
    h.options = kOptionCompact | kOptionCompound | kOptionTagList;
    return h;
}

TagInfo tagInfoFrom(const std::string& name, const IndexHeader& header)
{
    TagInfo info;
    info.name = name;
    info.keyExpression = header.keyExpression;
    info.forExpression = header.forExpression;
    info.keyType = header.keyType;
    info.keyLength = header.keyLength;
    info.descending = header.descending;
    info.unique = (header.options & kOptionUnique) != 0;
    return info;
}

std::string directoryKey(const std::string& name)
{
    std::string key = name.substr(0, static_cast<std::size_t>(kTagNameLength));
    key.resize(static_cast<std::size_t>(kTagNameLength), ' ');
    return key;
}

std::string tagNameFromKey(std::string_view key)
{
    while (!key.empty() && (key.back() == ' ' || key.back() == '\0'))
        key.remove_suffix(1);
    return std::string(key);
}

std::string tagNameFromPath(const std::string& path)
{
    return upperAscii(std::filesystem::path(path).stem().string().substr(0, static_cast<std::size_t>(kTagNameLength)));
}

} // namespace xbase::cdx
