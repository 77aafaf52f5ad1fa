#pragma once

#include <cstdint>

// Gregorian dates as DBF files keep them: "YYYYMMDD" text in D fields,
// Julian day numbers in Visual FoxPro date-time fields.
namespace xbase::dbf {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

bool isValidDate(int year, int month, int day); // years 1 to 9999
CivilDate civilFromJulianDay(std::int64_t julianDay);
std::int64_t julianDayFromCivil(const CivilDate& d);
CivilDate localToday();

} // namespace xbase::dbf
