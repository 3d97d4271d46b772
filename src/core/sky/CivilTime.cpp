#include "sky/CivilTime.h"

#include <cmath>
#include <cstdio>

namespace zenbelts {

namespace {

bool IsLeap(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : Days[month - 1];
}

}  // namespace

// Days since 1970-01-01 of a proleptic Gregorian date, counting in eras of
// 400 years that begin on 1 March.
long long DaysFromCivil(const CivilDate& date)
{
    const long long y = date.year - (date.month <= 2 ? 1 : 0);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(long long days)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long mp = (5 * dayOfYear + 2) / 153;
    CivilDate d;
    d.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    d.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    d.year = static_cast<int>(yearOfEra + era * 400 + (d.month <= 2 ? 1 : 0));
    return d;
}

double StartOfDay(const CivilDate& date)
{
    return static_cast<double>(DaysFromCivil(date)) * SecondsPerDay;
}

CivilDate DateOf(double unixSeconds)
{
    return CivilFromDays(static_cast<long long>(std::floor(unixSeconds / SecondsPerDay)));
}

std::optional<CivilDate> ParseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return -1;
            value = value * 10 + (text[i] - '0');
        }
        return value;
    };
    const CivilDate d{number(0, 4), number(5, 2), number(8, 2)};
    if (d.year < 1900 || d.year > 2199 || d.month < 1 || d.month > 12 || d.day < 1
        || d.day > DaysInMonth(d.year, d.month))
        return std::nullopt;
    return d;
}

std::string FormatIsoDate(const CivilDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string FormatIsoUtc(double unixSeconds)
{
    const auto whole = static_cast<long long>(std::floor(unixSeconds + 0.5));
    const long long days = (whole >= 0 ? whole : whole - 86399) / 86400;
    const long long second = whole - days * 86400;
    char text[32];
    std::snprintf(text, sizeof text, "%sT%02lld:%02lld:%02lldZ", FormatIsoDate(CivilFromDays(days)).c_str(),
                  second / 3600, second / 60 % 60, second % 60);
    return text;
}

double DecimalYear(double unixSeconds)
{
    const int year = DateOf(unixSeconds).year;
    const double start = StartOfDay({year, 1, 1});
    const double end = StartOfDay({year + 1, 1, 1});
    return year + (unixSeconds - start) / (end - start);
}

}  // namespace zenbelts
