#include "xbase/expr/dates.h"

#include <cmath>

namespace xbase::expr {

namespace {

constexpr long kFirstDay = 1721426; // 0001-01-01
constexpr long kLastDay = 5373484;  // 9999-12-31

bool isLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : days[month - 1];
}

struct CivilDate {
    int year = 0, month = 0, day = 0;
};

// False for the empty date and for days outside the years 1 to 9999.
bool civilFromJulian(double value, CivilDate* out)
{
    if (!(value >= kFirstDay && value <= kLastDay))
        return false;
    long l = static_cast<long>(std::floor(value)) + 68569;
    const long n = 4 * l / 146097;
    l -= (146097 * n + 3) / 4;
    const long i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const long j = 80 * l / 2447;
    out->day = static_cast<int>(l - 2447 * j / 80);
    const long k = j / 11;
    out->month = static_cast<int>(j + 2 - 12 * k);
    out->year = static_cast<int>(100 * (n - 49) + i + k);
    return true;
}

void putDigits(char* out, int value, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

bool readDigits(std::string_view text, int* value)
{
    *value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        *value = *value * 10 + (c - '0');
    }
    return !text.empty();
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

double julianDay(int year, int month, int day)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return 0;
    const long y = year, m = month, d = day;
    const long a = (m - 14) / 12;
    return static_cast<double>((1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12
                               - (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075);
}

double parseDtos(std::string_view text)
{
    int year = 0, month = 0, day = 0;
    if (text.size() < 8 || !readDigits(text.substr(0, 4), &year) || !readDigits(text.substr(4, 2), &month)
        || !readDigits(text.substr(6, 2), &day))
        return 0;
    return julianDay(year, month, day);
}

void formatDtos(double day, char out[8])
{
    CivilDate d;
    if (!civilFromJulian(day, &d)) {
        for (int i = 0; i < 8; ++i)
            out[i] = ' ';
        return;
    }
    putDigits(out, d.year, 4);
    putDigits(out + 4, d.month, 2);
    putDigits(out + 6, d.day, 2);
}

void formatDtoc(double day, char out[10])
{
    CivilDate d;
    const bool known = civilFromJulian(day, &d);
    for (int i = 0; i < 10; ++i)
        out[i] = ' ';
    out[2] = out[5] = '/';
    if (!known)
        return;
    putDigits(out, d.month, 2);
    putDigits(out + 3, d.day, 2);
    putDigits(out + 6, d.year, 4);
}

double parseCtod(std::string_view text)
{
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    std::size_t i = 0;
    while (part < 3) {
        while (i < text.size() && !isDigit(text[i]))
            ++i;
        while (i < text.size() && isDigit(text[i]) && digits[part] < 5) {
            parts[part] = parts[part] * 10 + (text[i] - '0');
            ++digits[part];
            ++i;
        }
        if (digits[part] == 0)
            return 0;
        ++part;
    }
    const int year = digits[2] <= 2 ? 1900 + parts[2] : parts[2];
    return julianDay(year, parts[0], parts[1]);
}

} // namespace xbase::expr
