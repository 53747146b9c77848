#include "platform/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace stats {
namespace {

struct DateCase {
    COleDateTime value;
    const char* text;

    friend void PrintTo(const DateCase& c, std::ostream* out) {
        *out << c.value.m_dt << " status " << c.value.m_status;
    }
};

class FormatQsoTime : public ::testing::TestWithParam<DateCase> {};

TEST_P(FormatQsoTime, GivesTheHostsText) {
    EXPECT_EQ(formatQsoTime(GetParam().value), GetParam().text);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, FormatQsoTime,
    ::testing::Values(
        DateCase{{42442.0 + (7 * 60 + 5) / 1440.0, 0}, "2016-03-13 0705"},
        // A host's 07:05 that arrives a hair early still prints 0705.
        DateCase{{42442.0 + (7 * 60 + 5) / 1440.0 - 1e-9, 0}, "2016-03-13 0705"},
        DateCase{{42442.0 + (23 * 3600 + 59 * 60 + 59.6) / 86400.0, 0}, "2016-03-14 0000"},
        DateCase{{0.0, 0}, "1899-12-30 0000"}, DateCase{{-1.25, 0}, "1899-12-29 0600"},
        DateCase{{-0.5, 0}, "1899-12-30 1200"}, DateCase{{-657434.0, 0}, "100-01-01 0000"},
        DateCase{{2958465.999, 0}, "9999-12-31 2358"}, DateCase{{-657435.0, 0}, "Invalid DateTime"},
        DateCase{{2958466.0, 0}, "Invalid DateTime"}, DateCase{{1e300, 0}, "Invalid DateTime"},
        DateCase{{kNaN, 0}, "Invalid DateTime"}, DateCase{{kInfinity, 0}, "Invalid DateTime"},
        DateCase{{42442.0, 1}, "Invalid DateTime"}, DateCase{{42442.0, 7}, "Invalid DateTime"},
        DateCase{{42442.0, 2}, ""}, DateCase{{kNaN, 2}, ""}));

TEST(DateTime, NullPointerIsANullDate) {
    EXPECT_EQ(dateTimeOrNull(nullptr).m_status, kDateTimeNull);
    const COleDateTime value{12.5, 0};
    EXPECT_EQ(dateTimeOrNull(&value).m_dt, 12.5);
}

TEST(DateTime, DayCountsRoundTripThroughTheFormatter) {
    EXPECT_EQ(formatQsoTime({oleDayCount(2016, 3, 13, 7, 5, 0), 0}), "2016-03-13 0705");
    EXPECT_EQ(formatQsoTime({oleDayCount(1899, 12, 29, 6, 0, 0), 0}), "1899-12-29 0600");
    EXPECT_EQ(formatQsoTime({oleDayCount(2024, 2, 29, 23, 59, 30), 0}), "2024-02-29 2359");
    EXPECT_DOUBLE_EQ(oleDayCount(1899, 12, 29, 6, 0, 0), -1.25);
}

} // namespace
} // namespace stats
