// The call check through CheckCall0, for a foreign and for a Belgian own station.
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

namespace stats::test {
namespace {

struct CheckCase {
    const char* name;
    Station station;
    int answer;
    bool clearsBuffer;

    friend void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }
};

// A small log: ON4AAA (LGE) and DL1XX in CW on 80m, OT7CC (ACC) in SSB on 6m.
class CallCheck : public ContestTest, public ::testing::WithParamInterface<CheckCase> {
  protected:
    void logQsos(const char* ownPrefix) {
        reset(ownPrefix);
        add({});
        Qso german;
        german.call = "DL1XX";
        german.prefix = "DL";
        german.exchangeReceived = "17";
        add(german);
        Qso sixMetres;
        sixMetres.call = "OT7CC";
        sixMetres.band = "6m";
        sixMetres.mode = "SSB";
        sixMetres.exchangeReceived = "3 ACC";
        add(sixMetres);
    }
    void expectAnswer(const CheckCase& c) {
        char buffer[50];
        std::memset(buffer, 'x', sizeof buffer);
        Station station = c.station;
        station.buffer = buffer;
        EXPECT_EQ(check(station), c.answer);
        EXPECT_EQ(buffer[0] == '\0', c.clearsBuffer);
        EXPECT_EQ(buffer[1], 'x'); // never more than the terminating zero
        station.buffer = nullptr;
        EXPECT_EQ(check(station), c.answer); // a null buffer is never written
    }
};

std::string caseName(const ::testing::TestParamInfo<CheckCase>& info) {
    return info.param.name;
}

class ForeignStation : public CallCheck {};

TEST_P(ForeignStation, Answers) {
    logQsos("DL");
    expectAnswer(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ForeignStation,
    ::testing::Values(
        CheckCase{"BandsAgreeIgnoringCase", {"ON4AAA", "80m", "80M", "ON", ""}, 0, false},
        CheckCase{"BandsDisagree", {"ON4AAA", "80m", "6m", "ON", ""}, 4, false},
        CheckCase{"NoSecondBand", {"ON4AAA", "80m", nullptr, "ON", ""}, 0, false},
        CheckCase{"DuplicateInAnyMode", {"OT7CC", "6m", "6m", "ON", ""}, 0, false},
        CheckCase{"OtherCaseIsNoDuplicate", {"on4aaa", "80m", "80m", "ON", ""}, 1, true},
        CheckCase{"NullPrefix", {"ON4BBB", "80m", "80m", nullptr, ""}, 1, false},
        CheckCase{"NotBelgian", {"F5AAA", "80m", "80m", "F", ""}, 4, true},
        CheckCase{"SectionWorkedOnBand", {"ON4BBB", "80m", "80m", "ON", "5lge"}, 1, true},
        CheckCase{"SectionNew", {"ON4BBB", "80m", "80m", "ON", "5 ACC"}, 2, true},
        CheckCase{"SectionWorkedOnlyElsewhere", {"ON4BBB", "2m", "2m", "ON", "5ACC"}, 2, true},
        CheckCase{"SectionNotAcceptable", {"ON4BBB", "80m", "80m", "ON", "5 XYZ"}, 1, true},
        CheckCase{"NoSectionYetBandWorked", {"ON4BBB", "80m", "80m", "ON", "5"}, 1, true},
        CheckCase{"NoSectionYetBandNew", {"ON4BBB", "2m", "2m", "ON", ""}, 2, true},
        CheckCase{"NullBand", {"ON4AAA", nullptr, "80m", "ON", ""}, 2, true}),
    caseName);

class BelgianStation : public CallCheck {};

TEST_P(BelgianStation, Answers) {
    logQsos("ON");
    expectAnswer(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BelgianStation,
    ::testing::Values(CheckCase{"BandsDisagree", {"DL1XX", "80m", "2m", "DL", ""}, 4, false},
                      CheckCase{"Duplicate", {"DL1XX", "80m", "80m", "DL", ""}, 0, false},
                      CheckCase{"PrefixWorkedOnBand", {"DL2YY", "80m", "80m", "DL", ""}, 1, false},
                      CheckCase{"PrefixWorkedElsewhere", {"DL2YY", "6m", "6m", "DL", ""}, 2, false},
                      CheckCase{"EmptyPrefix", {"DL2YY", "80m", "80m", "", ""}, 2, false},
                      CheckCase{"NullPrefix", {"DL2YY", "80m", "80m", nullptr, ""}, 2, false},
                      CheckCase{
                          "BelgianPrefixWorked", {"ON4BBB", "80m", "80m", "ON", ""}, 1, false}),
    caseName);

TEST_F(CallCheck, EmptyLog) {
    reset("DL");
    EXPECT_EQ(check({"ON4AAA", "80m", "80m", "ON", ""}), 2);
    EXPECT_EQ(check({"F5AAA", "80m", "80m", "F", ""}), 4);
    EXPECT_EQ(check({"F5AAA", "80m", "80m", nullptr, ""}), 1);
    reset("ON");
    EXPECT_EQ(check({"F5AAA", "80m", "80m", "F", ""}), 2);
    // Stored prefixes of Sicily are "I": the host's IT9 never matches them.
    Qso sicily;
    sicily.call = "IT9AAA";
    sicily.prefix = "IT9";
    sicily.exchangeReceived = "1";
    add(sicily);
    EXPECT_EQ(check({"IT9BBB", "80m", "80m", "IT9", ""}), 2);
    EXPECT_EQ(check({"I2BBB", "80m", "80m", "I", ""}), 1);
}

} // namespace
} // namespace stats::test
