#include "cdx_test_util.h"

#include <gtest/gtest.h>

#include <fstream>
#include <filesystem>

namespace cdx_test {

std::string charKey(const std::string& text, int keyLength)
{
    std::string key = text.substr(0, static_cast<std::size_t>(keyLength));
    key.resize(static_cast<std::size_t>(keyLength), ' ');
    return key;
}

xbase::TagInfo charTag(const std::string& name, int keyLength)
{
    xbase::TagInfo info;
    info.name = name;
    info.keyExpression = "UPPER(" + name + ")";
    info.keyLength = keyLength;
    return info;
}

Entries walkForward(xbase::IndexFile& index, int tag)
{
    Entries out;
    auto cursor = index.cursor(tag);
    for (bool ok = cursor->first(); ok; ok = cursor->next())
        out.emplace_back(std::string(cursor->key()), cursor->recno());
    EXPECT_TRUE(cursor->status().isOk()) << cursor->status().toString();
    return out;
}

Entries walkBackward(xbase::IndexFile& index, int tag)
{
    Entries out;
    auto cursor = index.cursor(tag);
    for (bool ok = cursor->last(); ok; ok = cursor->prev())
        out.emplace_back(std::string(cursor->key()), cursor->recno());
    EXPECT_TRUE(cursor->status().isOk()) << cursor->status().toString();
    return Entries(out.rbegin(), out.rend());
}

std::string readAll(const std::string& path)
{
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    std::ifstream in(path, std::ios::binary);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void writeAll(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void patchLe32(const std::string& path, std::size_t at, std::uint32_t value)
{
    std::string bytes = readAll(path);
    for (int i = 0; i < 4; ++i)
        bytes.at(at + static_cast<std::size_t>(i)) = static_cast<char>(value >> (8 * i));
    writeAll(path, bytes);
}

void patchLe16(const std::string& path, std::size_t at, std::uint16_t value)
{
    std::string bytes = readAll(path);
    bytes.at(at) = static_cast<char>(value);
    bytes.at(at + 1) = static_cast<char>(value >> 8);
    writeAll(path, bytes);
}

void patchByte(const std::string& path, std::size_t at, unsigned char value)
{
    std::string bytes = readAll(path);
    bytes.at(at) = static_cast<char>(value);
    writeAll(path, bytes);
}

} // namespace cdx_test
