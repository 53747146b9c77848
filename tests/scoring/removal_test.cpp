// QSO removal through RemoveData0.
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace stats::test {
namespace {

class Removal : public ContestTest {
  protected:
    void SetUp() override {
        ContestTest::SetUp();
        reset();
    }
    // The 80m row of the result.
    std::string row80() {
        const std::string text = result();
        const std::size_t start = text.find("80m\t");
        return start == std::string::npos ? ""
                                          : text.substr(start, text.find("\r\n", start) - start);
    }
};

TEST_F(Removal, EmptyLogAnswersOne) {
    EXPECT_EQ(remove({}), 1);
}

TEST_F(Removal, RefusedForAnInvalidModeOrAMissingExchange) {
    add({});
    for (auto change :
         {+[](Qso& q) { q.mode = "cw"; }, +[](Qso& q) { q.mode = "RTTY"; },
          +[](Qso& q) { q.exchangeSent = ""; }, +[](Qso& q) { q.exchangeReceived = ""; }}) {
        Qso qso;
        change(qso);
        EXPECT_EQ(remove(qso), 0);
    }
    EXPECT_EQ(row80(), "80m\t 1\t 3\t    1");
}

TEST_F(Removal, OnlyTheSameCallBandAndModeMatch) {
    add({});
    for (auto change : {+[](Qso& q) { q.mode = "SSB"; }, +[](Qso& q) { q.call = "on4aaa"; },
                        +[](Qso& q) { q.band = "6m"; }, +[](Qso& q) { q.band = "40m"; }}) {
        Qso qso;
        change(qso);
        EXPECT_EQ(remove(qso), 1);
    }
    EXPECT_EQ(row80(), "80m\t 1\t 3\t    1");
    // Exchanges, report and frequency take no part.
    Qso qso;
    qso.exchangeReceived = "999 ACC";
    qso.frequencyHz = 1;
    EXPECT_EQ(remove(qso), 1);
    EXPECT_EQ(row80(), "80m\t 0\t 0\t    0");
}

struct RemovalCase {
    const char* name;
    std::optional<COleDateTime> deletedTime;

    friend void PrintTo(const RemovalCase& c, std::ostream* out) { *out << c.name; }
};

class RemovalOfARepeatedQso : public Removal, public ::testing::WithParamInterface<RemovalCase> {};

// A QSO and its later repeat: whichever of the two is deleted, the other one counts.
TEST_P(RemovalOfARepeatedQso, LeavesTheOtherOneCounting) {
    Qso first;
    first.time = COleDateTime{42442.30, 0};
    Qso repeat = first;
    repeat.time = COleDateTime{42442.40, 0};
    add(first);
    add(repeat);
    ASSERT_EQ(row80(), "80m\t 1\t 3\t    1");
    Qso deleted = first;
    deleted.time = GetParam().deletedTime;
    EXPECT_EQ(remove(deleted), 1);
    EXPECT_EQ(row80(), "80m\t 1\t 3\t    1");
    EXPECT_EQ(remove(deleted), 1);
    EXPECT_EQ(row80(), "80m\t 0\t 0\t    0");
}

INSTANTIATE_TEST_SUITE_P(Times, RemovalOfARepeatedQso,
                         ::testing::Values(RemovalCase{"TheFirst", COleDateTime{42442.30, 0}},
                                           RemovalCase{"TheRepeat", COleDateTime{42442.40, 0}},
                                           RemovalCase{"UnknownTime", COleDateTime{42000.0, 0}},
                                           RemovalCase{"NullDate", COleDateTime{0.0, 2}},
                                           RemovalCase{"NoDate", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Removal, TheQsoLoggedAtTheGivenTimeIsTheOneRemoved) {
    Qso first;
    first.time = COleDateTime{42442.30, 0};
    Qso second = first;
    second.time = COleDateTime{42442.40, 0};
    Qso third = first;
    third.time = COleDateTime{42442.50, 0};
    add(first);
    add(second);
    add(third);
    EXPECT_EQ(remove(second), 1);
    EXPECT_EQ(remove(first), 1);
    // The third one is left, and it counts now.
    EXPECT_EQ(row80(), "80m\t 1\t 3\t    1");
    Qso other = third;
    other.time = COleDateTime{1.0, 0};
    EXPECT_EQ(remove(other), 1);
    EXPECT_EQ(row80(), "80m\t 0\t 0\t    0");
}

TEST_F(Removal, RemovingADuplicateKeepsTheCountedQso) {
    Qso kept;
    kept.time = COleDateTime{42442.30, 0};
    Qso dupe = kept;
    dupe.time = COleDateTime{42442.40, 0};
    add(kept);
    add(dupe);
    remove(dupe);
    Qso other;
    other.call = "ON4BBB";
    other.exchangeReceived = "002 ACC";
    add(other);
    EXPECT_EQ(row80(), "80m\t 2\t 6\t    2");
}

TEST_F(Removal, TheBandKeepsItsRowAndNothingIsLogged) {
    Qso qso;
    qso.band = "2m";
    add(qso);
    const std::string before = errorLog();
    remove(qso);
    EXPECT_EQ(errorLog(), before);
    EXPECT_NE(result().find("2m\t 0\t 0\t    0\r\n"), std::string::npos);
}

} // namespace
} // namespace stats::test
