#pragma once

#include <cstddef>
#include <string>

// Display text of the binary field types that Visual FoxPro adds. The caller
// guarantees the field's width (checked when the table is opened).
namespace xbase::dbf {

std::string integerText(const unsigned char* p);  // I: 4-byte little-endian
std::string currencyText(const unsigned char* p); // Y: 8-byte, 4 implied decimals
std::string dateTimeText(const unsigned char* p); // T: Julian day + milliseconds; "" when empty
std::string doubleText(const unsigned char* p);   // B: 8-byte IEEE double, shortest round trip
std::string hexText(const unsigned char* p, std::size_t n);

} // namespace xbase::dbf
