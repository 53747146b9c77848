// QSO intake through AddData0: the hard rules, the findings in err.txt, duplicates, what is
// stored.
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace stats::test {
namespace {

class Intake : public ContestTest {
  protected:
    void SetUp() override {
        ContestTest::SetUp();
        reset();
    }
    // The last line of err.txt, without its line end.
    std::string lastFinding() const {
        const std::string log = errorLog();
        const std::size_t end = log.rfind("\r\n");
        const std::size_t start = log.rfind("\r\n", end - 1);
        return log.substr(start + 2, end - start - 2);
    }
    int errorLines() const {
        int lines = 0;
        for (std::size_t at = 0; (at = errorLog().find("\r\n", at)) != std::string::npos; at += 2) {
            ++lines;
        }
        return lines - 1; // the heading
    }
};

struct RejectCase {
    const char* band;
    const char* mode;
    const char* exchangeSent;
    const char* exchangeReceived;
    const char* closing;

    friend void PrintTo(const RejectCase& c, std::ostream* out) {
        *out << c.band << " " << c.mode << " '" << c.exchangeSent << "' '" << c.exchangeReceived
             << "'";
    }
};

class IntakeRejects : public Intake, public ::testing::WithParamInterface<RejectCase> {};

TEST_P(IntakeRejects, WithOneFindingAndNothingStored) {
    const RejectCase& c = GetParam();
    setSetting("Mode", "before");
    Qso qso;
    qso.band = c.band;
    qso.mode = c.mode;
    qso.exchangeSent = c.exchangeSent;
    qso.exchangeReceived = c.exchangeReceived;
    EXPECT_EQ(add(qso), 0);
    EXPECT_EQ(errorLines(), 1);
    const std::string line = lastFinding();
    EXPECT_EQ(line.substr(line.size() - std::string(c.closing).size()), c.closing) << line;
    EXPECT_EQ(setting("Mode"), "before");
    // No band row: nothing was stored and the band was not listed.
    EXPECT_NE(result().find("UBA Section\r\nTotal\t 0\t 0\t    0\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntakeRejects,
    ::testing::Values(RejectCase{"80M", "CW", "001", "001 LGE", "   NO CONTEST BAND !!!"},
                      RejectCase{"40m", "RTTY", "001", "001 LGE", "   NO CONTEST BAND !!!"},
                      RejectCase{"", "CW", "001", "001 LGE", "   NO CONTEST BAND !!!"},
                      RejectCase{"80m", "cw", "001", "001 LGE", "   NO TEST MODE !!!"},
                      RejectCase{"80m", "USB", "001", "001 LGE", "   NO TEST MODE !!!"},
                      RejectCase{"6m", "RTTY", "", "", "   NO TEST MODE !!!"},
                      RejectCase{"80m", "CW", "", "001 LGE", "   NO RX NUMBER !!!"},
                      RejectCase{"2m", "FM", "001", "", "   NO RX NUMBER !!!"}));

TEST_F(Intake, ErrorLogLinesShowTheQsoAsPassed) {
    Qso qso;
    qso.frequencyHz = 7'012'999; // whole kHz only
    qso.band = "40m";
    qso.rstSent = "";
    EXPECT_EQ(add(qso), 0);
    qso = Qso{};
    qso.call = "ON4ZZZ";
    qso.exchangeReceived = "001 XYZ";
    qso.time = COleDateTime{0, 2}; // null date: empty date text
    EXPECT_EQ(add(qso), 1);
    qso.exchangeReceived = "2 lge";
    qso.time = COleDateTime{0, 1};
    EXPECT_EQ(add(qso), 1); // a duplicate of the QSO before
    qso.time.reset();       // no date-time at all reads as null
    qso.mode = "SSB";
    qso.frequencyHz = 3'700'000;
    EXPECT_EQ(add(qso), 1);
    EXPECT_EQ(errorLog(), golden("scoring/intake-err.txt"));
}

TEST_F(Intake, EveryEarlierSameQsoAddsADupeLine) {
    Qso qso;
    EXPECT_EQ(add(qso), 1);
    EXPECT_EQ(add(qso), 1);
    EXPECT_EQ(errorLines(), 1);
    EXPECT_EQ(add(qso), 1);
    EXPECT_EQ(errorLines(), 3);
    EXPECT_EQ(lastFinding().substr(lastFinding().size() - 11), "   DUPE !!!");
    EXPECT_NE(result().find("80m\t 1\t 3\t    1\r\n"), std::string::npos);
}

TEST_F(Intake, DuplicatesNeedTheSameCallBandAndMode) {
    Qso qso;
    add(qso);
    for (auto change : {+[](Qso& q) { q.band = "6m"; }, +[](Qso& q) { q.mode = "SSB"; },
                        +[](Qso& q) { q.call = "on4aaa"; }}) {
        Qso other = qso;
        change(other);
        EXPECT_EQ(add(other), 1);
    }
    // Exchanges, prefix, frequency and time take no part.
    Qso again = qso;
    again.exchangeReceived = "099 ACC";
    again.frequencyHz = 3'510'000;
    again.time = COleDateTime{42443.0, 0};
    add(again);
    EXPECT_EQ(errorLines(), 1);
    const std::string text = result();
    EXPECT_NE(text.find("80m\t 3\t 9\t    1\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("6m\t 1\t 3\t    1\r\n"), std::string::npos) << text;
}

TEST_F(Intake, StoredQsoWritesItsModeToTheSettings) {
    setSetting("Mode", "CW");
    Qso qso;
    qso.mode = "SSB";
    add(qso);
    EXPECT_EQ(setting("Mode"), "SSB");
}

TEST_F(Intake, UnacceptableSectionIsStoredWithoutMultiplier) {
    Qso qso;
    qso.exchangeReceived = "001 XYZ";
    EXPECT_EQ(add(qso), 1);
    EXPECT_EQ(lastFinding().substr(lastFinding().size() - 40),
              "  XYZ  UBA section is not acceptable !!!");
    EXPECT_NE(result().find("80m\t 1\t 3\t    0\r\n"), std::string::npos);
}

TEST_F(Intake, TwoLetterAndRunTogetherSectionsCount) {
    // Real exchanges: a four-digit serial, the sections RK and SE, a serial run into its section.
    for (const char* exchange : {"1 RK", "12RK", "1234SE", "12lge"}) {
        Qso qso;
        qso.call = std::string("ON4") + exchange;
        qso.exchangeReceived = exchange;
        EXPECT_EQ(add(qso), 1);
    }
    EXPECT_EQ(errorLines(), 0) << errorLog();
    EXPECT_NE(result().find("80m\t 4\t 12\t    3\r\n"), std::string::npos);
}

TEST_F(Intake, SectionsCountOnlyForBelgianStations) {
    Qso qso;
    qso.call = "DL2AA";
    qso.prefix = "DL";
    qso.exchangeReceived = "5LGE"; // a serial from abroad, whatever it looks like
    EXPECT_EQ(add(qso), 1);
    EXPECT_EQ(errorLines(), 0);
    EXPECT_NE(result().find("80m\t 1\t 3\t    0\r\n"), std::string::npos);
}

TEST_F(Intake, SicilyAndSardiniaCountAsItalyForABelgianStation) {
    reset("ON");
    const char* prefixes[] = {"I", "IT9", "IG9", "IT9A"};
    for (const char* prefix : prefixes) {
        Qso qso;
        qso.call = std::string(prefix) + "ZZZ";
        qso.prefix = prefix;
        qso.exchangeReceived = "12";
        add(qso);
    }
    // I, IT9 and IG9 are one multiplier; IT9A is another.
    EXPECT_NE(result().find("80m\t 4\t 12\t 2\r\n"), std::string::npos);
}

TEST_F(Intake, WithoutAResetLinesGoToAnErrorLogWithoutHeading) {
    std::filesystem::remove("err.txt");
    Qso qso;
    qso.band = "40m";
    add(qso);
    EXPECT_EQ(errorLog().substr(0, 6), "QSO:  ");
}

TEST_F(Intake, AnErrorLogThatCannotBeOpenedChangesNothingElse) {
    std::filesystem::remove("err.txt");
    std::filesystem::create_directory("err.txt");
    Qso qso;
    EXPECT_EQ(add(qso), 1);
    EXPECT_EQ(add(qso), 1);
    qso.band = "40m";
    EXPECT_EQ(add(qso), 0);
    EXPECT_NE(result().find("80m\t 1\t 3\t    1\r\n"), std::string::npos);
}

TEST_F(Intake, TheHostMayReuseItsBuffersAfterTheCall) {
    char call[] = "ON4AAA";
    char band[] = "80m";
    COleDateTime time{42442.3, 0};
    plugin().AddData0("DL1ABC", call, &time, nullptr, nullptr, nullptr, 0, 3550000, "CW", "599",
                      "599", "001", "001 LGE", "", "", "", "", "", "", "", "", "", "ON", 0, 0, 0, 0,
                      0, "", "", "", band, "");
    call[0] = 'X';
    band[0] = '4';
    Qso qso;
    add(qso); // still a duplicate of the stored copy
    EXPECT_EQ(lastFinding().substr(lastFinding().size() - 11), "   DUPE !!!");
}

} // namespace
} // namespace stats::test
