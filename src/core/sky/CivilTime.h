#pragma once

#include <optional>
#include <string>
#include <string_view>

// Dates and times as the sky's arithmetic needs them: seconds since
// 1970-01-01 00:00 UTC, leap seconds aside as POSIX counts them, and the
// proleptic Gregorian calendar.

namespace zenbelts {

struct CivilDate {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31

    bool operator==(const CivilDate&) const = default;
};

inline constexpr double SecondsPerDay = 86400.0;

long long DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(long long days);

// 00:00 UTC of a date, in seconds since 1970.
double StartOfDay(const CivilDate& date);
// The UTC date in which a time falls.
CivilDate DateOf(double unixSeconds);

// "2025-06-21": a real date of the years 1900 to 2199, else null.
std::optional<CivilDate> ParseIsoDate(std::string_view text);
std::string FormatIsoDate(const CivilDate& date);
// "2025-06-21T12:41:55Z", to the nearest second.
std::string FormatIsoUtc(double unixSeconds);

// The year and its fraction elapsed: 2025.5 at the middle of 2025.
double DecimalYear(double unixSeconds);

}  // namespace zenbelts
