#include "xbase/dbf/field_codec.h"

#include "xbase/core/bytes.h"
#include "xbase/dbf/binary_field_text.h"
#include "xbase/dbf/calendar.h"
#include "xbase/dbf/numeric_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>

namespace xbase {
namespace {

std::string_view rawView(const unsigned char* rec, const FieldInfo& f)
{
    return {reinterpret_cast<const char*>(rec + f.offset), static_cast<std::size_t>(f.width)};
}

std::string trimRight(std::string_view v)
{
    const auto end = v.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string() : std::string(v.substr(0, end + 1));
}

std::string trimBoth(std::string_view v)
{
    const auto begin = v.find_first_not_of(' ');
    return begin == std::string_view::npos ? std::string() : trimRight(v.substr(begin));
}

bool isBinaryMemoReference(const FieldInfo& f) { return f.width == 4; }

std::string logicalText(unsigned char c)
{
    switch (c) {
    case 'T': case 't': case 'Y': case 'y': return "T";
    case 'F': case 'f': case 'N': case 'n': return "F";
    default: return {};
    }
}

void fill(unsigned char* rec, const FieldInfo& f, std::string_view text)
{
    std::memset(rec + f.offset, ' ', static_cast<std::size_t>(f.width));
    std::memcpy(rec + f.offset, text.data(), std::min(text.size(), static_cast<std::size_t>(f.width)));
}

Status putCharacter(unsigned char* rec, const FieldInfo& f, std::string_view value)
{
    const std::string kept = trimRight(value);
    if (kept.size() > static_cast<std::size_t>(f.width))
        return Status::invalidArgument("\"" + kept + "\" is longer than the " + std::to_string(f.width) +
                                       " characters of field " + f.name);
    fill(rec, f, kept);
    return Status::ok();
}

Status putLogical(unsigned char* rec, const FieldInfo& f, std::string_view value)
{
    std::string v = trimBoth(value);
    if (v.size() == 3 && v.front() == '.' && v.back() == '.')
        v = v.substr(1, 1);
    if (v.empty()) {
        fill(rec, f, " ");
        return Status::ok();
    }
    const std::string text = v.size() == 1 ? logicalText(static_cast<unsigned char>(v[0])) : std::string();
    if (text.empty())
        return Status::invalidArgument("\"" + v + "\" is not a logical value for field " + f.name);
    fill(rec, f, text);
    return Status::ok();
}

Status putDate(unsigned char* rec, const FieldInfo& f, std::string_view value)
{
    const std::string v = trimBoth(value);
    if (v.empty()) {
        fill(rec, f, "");
        return Status::ok();
    }
    const bool digits = v.size() == 8 && std::all_of(v.begin(), v.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
    if (!digits || !dbf::isValidDate(std::stoi(v.substr(0, 4)), std::stoi(v.substr(4, 2)), std::stoi(v.substr(6, 2))))
        return Status::invalidArgument("\"" + v + "\" is not a date (YYYYMMDD) for field " + f.name);
    fill(rec, f, v);
    return Status::ok();
}

Status putNumber(unsigned char* rec, const FieldInfo& f, std::string_view value)
{
    if (trimBoth(value).empty()) {
        fill(rec, f, "");
        return Status::ok();
    }
    std::string text;
    Status s = dbf::formatNumber(value, f.width, f.decimals, &text);
    if (!s)
        return Status::invalidArgument(s.message() + " (field " + f.name + ")");
    fill(rec, f, text);
    return Status::ok();
}

Status putInteger(unsigned char* rec, const FieldInfo& f, std::string_view value)
{
    const std::string v = trimBoth(value);
    std::int32_t number = 0;
    const auto result = std::from_chars(v.data(), v.data() + v.size(), number);
    if (!v.empty() && (result.ec != std::errc() || result.ptr != v.data() + v.size()))
        return Status::invalidArgument("\"" + v + "\" is not a whole number that field " + f.name + " can hold");
    bytes::putLe32(rec + f.offset, static_cast<std::uint32_t>(number));
    return Status::ok();
}

} // namespace

std::string fieldBytes(const unsigned char* rec, const FieldInfo& f) { return std::string(rawView(rec, f)); }

std::string fieldText(const unsigned char* rec, const FieldInfo& f)
{
    const unsigned char* p = rec + f.offset;
    if (dbf::isMemoField(f)) {
        std::uint32_t block = 0;
        if (!dbf::memoBlock(rec, f, &block))
            return trimBoth(rawView(rec, f));
        return block == 0 ? std::string() : std::to_string(block);
    }
    switch (f.type) {
    case 'C': case 'V': return trimRight(rawView(rec, f));
    case 'N': case 'F': case 'D': return trimBoth(rawView(rec, f));
    case 'L': return logicalText(p[0]);
    case 'I': return dbf::integerText(p);
    case 'Y': return dbf::currencyText(p);
    case 'T': return dbf::dateTimeText(p);
    case 'B': return dbf::doubleText(p);
    default: return dbf::hexText(p, static_cast<std::size_t>(f.width));
    }
}

Status putFieldText(unsigned char* rec, const FieldInfo& f, std::string_view value)
{
    if (dbf::isMemoField(f))
        return Status::invalidArgument("memo field " + f.name + " is written through the memo file");
    switch (f.type) {
    case 'C': return putCharacter(rec, f, value);
    case 'N': case 'F': return putNumber(rec, f, value);
    case 'L': return putLogical(rec, f, value);
    case 'D': return putDate(rec, f, value);
    case 'I': return putInteger(rec, f, value);
    default: return Status::notSupported("fields of type " + std::string(1, f.type) + " cannot be written (" + f.name + ")");
    }
}

namespace dbf {

bool isMemoField(const FieldInfo& f)
{
    return f.type == 'M' || f.type == 'G' || f.type == 'P' || f.type == 'W' || (f.type == 'B' && f.width != 8);
}

bool isBinaryField(const FieldInfo& f)
{
    switch (f.type) {
    case 'I': case 'Y': case 'T': case 'Q': case '0': return true;
    case 'B': return f.width == 8 || isBinaryMemoReference(f);
    default: return isMemoField(f) && isBinaryMemoReference(f);
    }
}

bool memoBlock(const unsigned char* rec, const FieldInfo& f, std::uint32_t* block)
{
    if (isBinaryMemoReference(f)) {
        *block = bytes::getLe32(rec + f.offset);
        return true;
    }
    const std::string text = trimBoth(rawView(rec, f));
    if (text.empty()) {
        *block = 0;
        return true;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), *block);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

void putMemoBlock(unsigned char* rec, const FieldInfo& f, std::uint32_t block)
{
    if (isBinaryMemoReference(f)) {
        bytes::putLe32(rec + f.offset, block);
        return;
    }
    std::memset(rec + f.offset, ' ', static_cast<std::size_t>(f.width));
    if (block == 0)
        return;
    const std::string digits = std::to_string(block);
    const std::size_t width = static_cast<std::size_t>(f.width);
    const std::size_t n = std::min(digits.size(), width);
    std::memcpy(rec + f.offset + width - n, digits.data() + digits.size() - n, n);
}

} // namespace dbf
} // namespace xbase
