#include "xbase/dbf/dbf_layout.h"

#include "xbase/dbf/calendar.h"

#include <cctype>
#include <cstdio>
#include <string_view>

namespace xbase::dbf {
namespace {

constexpr int kMaxCharWidth = 254;
constexpr int kMaxNumericWidth = 20;
constexpr std::size_t kMaxFields = 255;

std::string hexByte(unsigned char b)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "0x%02X", b);
    return buf;
}

bool isKnownType(char type)
{
    constexpr std::string_view known = "CNFLDMGPBIYTVQW0";
    return known.find(type) != std::string_view::npos;
}

// Binary types are read by fixed size, so their width must be that size.
int requiredWidth(char type, TableFlavor flavor)
{
    switch (type) {
    case 'I': return 4;
    case 'Y':
    case 'T': return 8;
    case 'B': return flavor == TableFlavor::VisualFoxPro ? 8 : 0;
    default: return 0;
    }
}

Status fieldFromDescriptor(const FieldDescriptor& d, TableFlavor flavor, const std::string& name, FieldInfo* out)
{
    FieldInfo f;
    f.name = d.name;
    f.type = static_cast<char>(std::toupper(static_cast<unsigned char>(d.type)));
    if (!isKnownType(f.type))
        return Status::notSupported(name + ": field " + d.name + " has unknown type " + hexByte(static_cast<unsigned char>(d.type)));
    f.width = d.length;
    f.decimals = d.decimals;
    // Clipper and FoxPro keep the high byte of long character widths in the
    // decimals byte.
    if (f.type == 'C') {
        f.width += 256 * d.decimals;
        f.decimals = 0;
    }
    if (f.width == 0)
        return Status::corruption(name + ": field " + d.name + " has width 0");
    const int required = requiredWidth(f.type, flavor);
    if (required != 0 && f.width != required)
        return Status::corruption(name + ": field " + d.name + " of type " + std::string(1, f.type) + " has width " +
                                  std::to_string(f.width) + " instead of " + std::to_string(required));
    *out = std::move(f);
    return Status::ok();
}

Status readDescriptors(const std::vector<unsigned char>& area, TableFlavor flavor, const std::string& name, Schema* out)
{
    std::size_t pos = kHeaderSize;
    int offset = 1;
    while (true) {
        if (pos >= area.size())
            return Status::corruption(name + ": the field list has no terminator within the header length");
        if (area[pos] == kFieldTerminator)
            break;
        if (pos + kDescriptorSize > area.size())
            return Status::corruption(name + ": the field list runs past the header length");
        FieldInfo f;
        Status s = fieldFromDescriptor(decodeDescriptor(&area[pos]), flavor, name, &f);
        if (!s)
            return s;
        f.offset = offset;
        offset += f.width;
        out->push_back(std::move(f));
        pos += kDescriptorSize;
    }
    if (out->empty())
        return Status::corruption(name + ": the table has no fields");
    return Status::ok();
}

// The 32-byte header, checked against itself and the file size.
Status readHeader(File& file, std::uint64_t fileSize, const std::string& name, TableLayout* layout)
{
    if (fileSize < kHeaderSize)
        return Status::corruption(name + ": the file is shorter than a table header");
    unsigned char head[kHeaderSize];
    Status s = file.readExact(0, head, kHeaderSize, "the table header");
    if (!s)
        return Status::corruption(name + ": " + s.message());
    layout->header = decodeHeader(head);
    const DbfHeader& h = layout->header;
    const auto version = describeVersion(h.version);
    if (!version)
        return Status::notSupported(name + ": unknown table version " + hexByte(h.version));
    layout->version = *version;
    if (h.headerLength < kHeaderSize + kDescriptorSize + 1)
        return Status::corruption(name + ": header length " + std::to_string(h.headerLength) + " is too small");
    if (h.headerLength > fileSize)
        return Status::corruption(name + ": the file ends inside its header");
    if (h.recordLength < 2)
        return Status::corruption(name + ": record length " + std::to_string(h.recordLength) + " is too small");
    return Status::ok();
}

int recordWidthOf(const Schema& schema)
{
    int width = 1;
    for (const FieldInfo& f : schema)
        width += f.width;
    return width;
}

bool isValidFieldName(const std::string& n)
{
    if (n.empty() || n.size() > 10 || std::isdigit(static_cast<unsigned char>(n[0])))
        return false;
    for (char c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_')
            return false;
    return true;
}

std::string upper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

Status checkNewField(const FieldInfo& f)
{
    const std::string what = "field " + f.name + ": ";
    switch (f.type) {
    case 'C':
        if (f.width < 1 || f.width > kMaxCharWidth || f.decimals != 0)
            return Status::invalidArgument(what + "character fields are 1 to 254 wide without decimals");
        return Status::ok();
    case 'N':
    case 'F':
        if (f.width < 1 || f.width > kMaxNumericWidth)
            return Status::invalidArgument(what + "numeric fields are 1 to 20 wide");
        if (f.decimals < 0 || (f.decimals > 0 && f.decimals > f.width - 2))
            return Status::invalidArgument(what + "too many decimals for the width");
        return Status::ok();
    case 'L':
    case 'D':
    case 'M': {
        const int width = f.type == 'L' ? 1 : (f.type == 'D' ? 8 : 10);
        if (f.width != width || f.decimals != 0)
            return Status::invalidArgument(what + "type " + std::string(1, f.type) + " is " + std::to_string(width) +
                                           " wide without decimals");
        return Status::ok();
    }
    default: return Status::invalidArgument(what + "new tables take types C, N, F, L, D and M only");
    }
}

} // namespace

std::uint32_t recordsPresent(const DbfHeader& h, std::uint64_t fileSize)
{
    if (fileSize <= h.headerLength || h.recordLength == 0)
        return 0;
    const std::uint64_t whole = (fileSize - h.headerLength) / h.recordLength;
    return whole < h.recordCount ? static_cast<std::uint32_t>(whole) : h.recordCount;
}

Status readLayout(File& file, const std::string& name, TableLayout* out)
{
    std::uint64_t fileSize = 0;
    TableLayout layout;
    Status s = file.size(&fileSize);
    if (s)
        s = readHeader(file, fileSize, name, &layout);
    if (!s)
        return s;
    std::vector<unsigned char> area(layout.header.headerLength);
    s = file.readExact(0, area.data(), area.size(), "the field list");
    if (!s)
        return Status::corruption(name + ": " + s.message());
    s = readDescriptors(area, layout.version.flavor, name, &layout.schema);
    if (!s)
        return s;
    const int needed = recordWidthOf(layout.schema);
    if (needed > layout.header.recordLength)
        return Status::corruption(name + ": record length " + std::to_string(layout.header.recordLength) +
                                  " is shorter than its fields (" + std::to_string(needed) + ")");
    layout.storedCount = recordsPresent(layout.header, fileSize);
    *out = std::move(layout);
    return Status::ok();
}

Status normaliseNewSchema(const Schema& fields, Schema* out)
{
    if (fields.empty() || fields.size() > kMaxFields)
        return Status::invalidArgument("a table has 1 to 255 fields");
    Schema result;
    int offset = 1;
    for (FieldInfo f : fields) {
        f.name = upper(f.name);
        f.type = static_cast<char>(std::toupper(static_cast<unsigned char>(f.type)));
        if (!isValidFieldName(f.name))
            return Status::invalidArgument("field name \"" + f.name + "\" is not 1 to 10 letters, digits or _");
        if (findField(result, f.name) >= 0)
            return Status::invalidArgument("field " + f.name + " appears twice");
        Status s = checkNewField(f);
        if (!s)
            return s;
        f.offset = offset;
        offset += f.width;
        result.push_back(std::move(f));
    }
    if (offset > 0xFFFF)
        return Status::invalidArgument("the fields add up to more than 65535 bytes");
    *out = std::move(result);
    return Status::ok();
}

std::vector<unsigned char> encodeLayout(const DbfHeader& h, const Schema& schema)
{
    std::vector<unsigned char> area;
    const auto head = encodeHeader(h);
    area.insert(area.end(), head.begin(), head.end());
    for (const FieldInfo& f : schema) {
        FieldDescriptor d;
        d.name = f.name;
        d.type = f.type;
        d.displacement = static_cast<std::uint32_t>(f.offset);
        d.length = static_cast<unsigned char>(f.width);
        d.decimals = static_cast<unsigned char>(f.decimals);
        const auto bytes = encodeDescriptor(d);
        area.insert(area.end(), bytes.begin(), bytes.end());
    }
    area.push_back(kFieldTerminator);
    return area;
}

void stampToday(DbfHeader* h)
{
    const CivilDate today = localToday();
    h->year = today.year;
    h->month = today.month;
    h->day = today.day;
}

} // namespace xbase::dbf
