#pragma once

#include <cstdint>
#include <string>

// The host's OLE date-time value, passed to the exports by pointer. Only these two members are
// read; the layout (a day count at offset 0, a status at offset 8, 16 bytes) is the host's.
struct COleDateTime {
    double m_dt = 0.0;         // days since 1899-12-30 00:00; the fraction is the time of day
    std::int32_t m_status = 0; // 0 valid, 1 invalid, 2 null
};
static_assert(sizeof(COleDateTime) == 16, "COleDateTime must match the host's layout");

namespace stats {

inline constexpr std::int32_t kDateTimeValid = 0;
inline constexpr std::int32_t kDateTimeInvalid = 1;
inline constexpr std::int32_t kDateTimeNull = 2;

// A null pointer from the host stands for a null date-time.
COleDateTime dateTimeOrNull(const COleDateTime* value);

// Formats as "%Y-%m-%d %H%M". Null gives "", invalid or outside 100-01-01..9999-12-31 gives
// "Invalid DateTime". The value is rounded to the nearest second first, so that a host's 07:05
// that arrives as 07:04:59.9999 prints 0705.
std::string formatQsoTime(const COleDateTime& value);

// Builds the day count of a UTC calendar time (used by hosts that read logs from files).
double oleDayCount(int year, int month, int day, int hour, int minute, int second);

} // namespace stats
