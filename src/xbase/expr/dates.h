#pragma once

#include <string_view>

namespace xbase::expr {

// Dates are Julian day numbers; 0 is the empty date. Only days from the year
// 1 to 9999 have a text form; any other number prints as an empty date.
double julianDay(int year, int month, int day); // 0 when the date does not exist

// "YYYYMMDD" as stored in a D field; blanks or anything invalid give 0.
double parseDtos(std::string_view text);
// Eight characters "YYYYMMDD", or eight blanks for an empty date.
void formatDtos(double day, char out[8]);
// Ten characters "MM/DD/YYYY" (American order, century shown), or
// "  /  /    " for an empty date.
void formatDtoc(double day, char out[10]);
// Month, day and year separated by any non-digit; a two-digit year is read
// as 19xx. Anything else gives 0.
double parseCtod(std::string_view text);

} // namespace xbase::expr
