#include "xbase/dbf/calendar.h"

#include <ctime>

namespace xbase::dbf {
namespace {

// Days from 0000-03-01 based arithmetic (the usual era algorithm), shifted so
// that the result is the astronomical Julian day number.
constexpr std::int64_t kJulianDayOfEpoch = 2440588; // 1970-01-01

std::int64_t daysFromEpoch(int y, int m, int d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

bool isValidDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= last;
}

std::int64_t julianDayFromCivil(const CivilDate& d)
{
    return daysFromEpoch(d.year, d.month, d.day) + kJulianDayOfEpoch;
}

CivilDate civilFromJulianDay(std::int64_t julianDay)
{
    const std::int64_t z = julianDay - kJulianDayOfEpoch + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    CivilDate out;
    out.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    out.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    out.year = static_cast<int>(yoe + era * 400 + (out.month <= 2 ? 1 : 0));
    return out;
}

CivilDate localToday()
{
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (local == nullptr)
        return CivilDate{1970, 1, 1};
    return CivilDate{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday};
}

} // namespace xbase::dbf
