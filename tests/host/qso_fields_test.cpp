#include "host/qso_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace ubaspring {
namespace {

AdifRecord record(std::initializer_list<AdifField> fields) {
    return AdifRecord{0, fields};
}

// Prefixes as the tests expect them, without a country file.
std::string testPrefix(std::string_view call) {
    return "P-" + std::string(call);
}

QsoFields map(const AdifRecord& r, std::string_view fallbackOwnCall = "DL2HBX") {
    return qsoFromRecord(r, fallbackOwnCall, testPrefix);
}

TEST(QsoFields, MapsEveryFieldTheExportTakes) {
    const QsoFields q = map(record({{"CALL", "ON4LGV"},
                                    {"QSO_DATE", "20250309"},
                                    {"TIME_ON", "0705"},
                                    {"BAND", "80M"},
                                    {"FREQ", "3.5312"},
                                    {"MODE", "CW"},
                                    {"RST_SENT", "599"},
                                    {"RST_RCVD", "579"},
                                    {"STX_STRING", "001"},
                                    {"SRX_STRING", "014 LGE"},
                                    {"STATION_CALLSIGN", "DL2HBX/P"}}));
    EXPECT_EQ(q.ownCall, "DL2HBX/P");
    EXPECT_EQ(q.call, "ON4LGV");
    ASSERT_TRUE(q.time.has_value());
    EXPECT_EQ(q.time->m_status, stats::kDateTimeValid);
    EXPECT_DOUBLE_EQ(q.time->m_dt, stats::oleDayCount(2025, 3, 9, 7, 5, 0));
    EXPECT_EQ(q.frequencyHz, 3'531'200u);
    EXPECT_EQ(q.mode, "CW");
    EXPECT_EQ(q.rstSent, "599");
    EXPECT_EQ(q.rstReceived, "579");
    EXPECT_EQ(q.exchangeSent, "001");
    EXPECT_EQ(q.exchangeReceived, "014 LGE");
    EXPECT_EQ(q.prefix, "P-ON4LGV");
    EXPECT_EQ(q.band, "80m");
    EXPECT_TRUE(q.problems.empty());
}

TEST(QsoFields, OwnCallFallsBackToOperatorThenToTheGivenCall) {
    EXPECT_EQ(map(record({{"OPERATOR", "ON4BJR"}})).ownCall, "ON4BJR");
    EXPECT_EQ(map(record({{"STATION_CALLSIGN", ""}, {"OPERATOR", "ON4BJR"}})).ownCall, "ON4BJR");
    EXPECT_EQ(map(record({{"CALL", "F6KQB"}}), "OT3TRA").ownCall, "OT3TRA");
}

TEST(QsoFields, ExchangeStringsWinOverNumbers) {
    const QsoFields both = map(
        record({{"STX", "1"}, {"STX_STRING", "001"}, {"SRX", "14"}, {"SRX_STRING", "014 LGE"}}));
    EXPECT_EQ(both.exchangeSent, "001");
    EXPECT_EQ(both.exchangeReceived, "014 LGE");
    const QsoFields numbers = map(record({{"STX", "1"}, {"SRX", "14"}}));
    EXPECT_EQ(numbers.exchangeSent, "1");
    EXPECT_EQ(numbers.exchangeReceived, "14");
}

struct ModeCase {
    const char* mode;
    const char* submode;
    const char* expected;
};

void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.mode << "/" << c.submode;
}

class ModeMapping : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeMapping, ContestModesUnderThePluginsNames) {
    EXPECT_EQ(contestMode(GetParam().mode, GetParam().submode), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeMapping,
                         ::testing::Values(ModeCase{"SSB", "", "SSB"},
                                           ModeCase{"SSB", "LSB", "SSB"},
                                           ModeCase{"USB", "", "SSB"}, ModeCase{"lsb", "", "SSB"},
                                           ModeCase{"", "USB", "SSB"}, ModeCase{"cw", "", "CW"},
                                           ModeCase{"FM", "", "FM"}, ModeCase{"RTTY", "", "RTTY"},
                                           ModeCase{"ft8", "", "ft8"}, ModeCase{"", "", ""}));

struct FrequencyCase {
    const char* megahertz;
    unsigned hz;
    bool problem;
};

void PrintTo(const FrequencyCase& c, std::ostream* out) {
    *out << c.megahertz;
}

class FrequencyMapping : public ::testing::TestWithParam<FrequencyCase> {};

TEST_P(FrequencyMapping, RoundsToTheNearestHertz) {
    const QsoFields q = map(record({{"FREQ", GetParam().megahertz}, {"BAND", "80m"}}));
    EXPECT_EQ(q.frequencyHz, GetParam().hz);
    EXPECT_EQ(q.problems.size(), GetParam().problem ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, FrequencyMapping,
                         ::testing::Values(FrequencyCase{"3.5305", 3'530'500, false},
                                           FrequencyCase{"3.5305004", 3'530'500, false},
                                           FrequencyCase{"3.5305006", 3'530'501, false},
                                           FrequencyCase{"145.45", 145'450'000, false},
                                           FrequencyCase{"3", 3'000'000, false},
                                           FrequencyCase{"", 0, false},
                                           FrequencyCase{"3,5305", 0, true},
                                           FrequencyCase{"-3.5", 0, true},
                                           FrequencyCase{"5000", 0, true}));

TEST(QsoFields, BandInLowerCaseOrFromTheFrequency) {
    EXPECT_EQ(map(record({{"BAND", "2M"}, {"FREQ", "3.53"}})).band, "2m");
    EXPECT_EQ(map(record({{"FREQ", "3.53"}})).band, "80m");
    EXPECT_EQ(map(record({{"FREQ", "50.150"}})).band, "6m");
    EXPECT_EQ(map(record({{"FREQ", "145.5"}})).band, "2m");
    EXPECT_EQ(map(record({{"FREQ", "7.0125"}})).band, "40m");
    EXPECT_EQ(map(record({{"FREQ", "4.5"}})).band, "");
}

struct TimeCase {
    const char* date;
    const char* time;
    std::int32_t status;
    double dayCount;
};

void PrintTo(const TimeCase& c, std::ostream* out) {
    *out << c.date << " " << c.time;
}

class TimeMapping : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeMapping, DateAndTimeOnAsADayCount) {
    const TimeCase& c = GetParam();
    const QsoFields q = map(record({{"QSO_DATE", c.date}, {"TIME_ON", c.time}}));
    ASSERT_TRUE(q.time.has_value());
    EXPECT_EQ(q.time->m_status, c.status);
    if (c.status == stats::kDateTimeValid) {
        EXPECT_DOUBLE_EQ(q.time->m_dt, c.dayCount);
        EXPECT_TRUE(q.problems.empty());
    } else {
        EXPECT_EQ(q.problems.size(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Times, TimeMapping,
    ::testing::Values(TimeCase{"20250309", "0705", 0, stats::oleDayCount(2025, 3, 9, 7, 5, 0)},
                      TimeCase{"20250309", "070530", 0, stats::oleDayCount(2025, 3, 9, 7, 5, 30)},
                      TimeCase{"20250309", "2359", 0, stats::oleDayCount(2025, 3, 9, 23, 59, 0)},
                      TimeCase{"20250309", "", 1, 0}, TimeCase{"20250309", "07:05", 1, 0},
                      TimeCase{"20250309", "2460", 1, 0}, TimeCase{"2025-03-09", "0705", 1, 0},
                      TimeCase{"20251309", "0705", 1, 0}));

TEST(QsoFields, NoDateGivesANullTimeAndNoCallNoPrefix) {
    const QsoFields q = map(record({{"TIME_ON", "0705"}}));
    EXPECT_FALSE(q.time.has_value());
    EXPECT_EQ(q.prefix, "");
}

} // namespace
} // namespace ubaspring
