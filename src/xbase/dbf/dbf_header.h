#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The fixed-size structures at the start of a DBF file, each with an
// encode/decode pair. Decoding never fails: it copies bytes into fields, and
// the layout reader (dbf_layout.h) judges whether the values make sense.
namespace xbase::dbf {

constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kDescriptorSize = 32;
// Visual FoxPro keeps the path of its database container after the field
// list; the header length includes it.
constexpr std::size_t kBacklinkSize = 263;
constexpr unsigned char kFieldTerminator = 0x0D;
constexpr unsigned char kEndOfData = 0x1A;

constexpr unsigned char kVersionFoxProMemo = 0xF5;
constexpr unsigned char kVersionPlain = 0x03;
constexpr unsigned char kCodePageWindows1252 = 0x03;
constexpr unsigned char kFlagStructuralIndex = 0x01;

struct DbfHeader {
    unsigned char version = kVersionPlain;
    int year = 0; // full year, 1900 + the stored byte
    int month = 0;
    int day = 0;
    std::uint32_t recordCount = 0;
    std::uint16_t headerLength = 0;
    std::uint16_t recordLength = 0;
    unsigned char tableFlags = 0;   // byte 28
    unsigned char languageDriver = 0; // byte 29
};

std::array<unsigned char, kHeaderSize> encodeHeader(const DbfHeader& h);
DbfHeader decodeHeader(const unsigned char* p);

// Bytes 1-7 of the header (date and count), the part an append rewrites.
constexpr std::size_t kDateAndCountOffset = 1;
constexpr std::size_t kDateAndCountSize = 7;

struct FieldDescriptor {
    std::string name;       // without the NUL padding
    char type = 'C';
    std::uint32_t displacement = 0; // Visual FoxPro: offset in the record
    unsigned char length = 0;
    unsigned char decimals = 0;
    unsigned char flags = 0; // Visual FoxPro: 0x01 system, 0x02 nullable, 0x04 binary
};

std::array<unsigned char, kDescriptorSize> encodeDescriptor(const FieldDescriptor& d);
FieldDescriptor decodeDescriptor(const unsigned char* p);

} // namespace xbase::dbf
