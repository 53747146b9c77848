// The result table of GetResult0 and the scoring rules behind it.
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

namespace stats::test {
namespace {

class ResultSummary : public ContestTest {
  protected:
    void addOn(const char* band, const char* call, const char* exchange,
               const char* prefix = "ON") {
        Qso qso;
        qso.band = band;
        qso.call = call;
        qso.exchangeReceived = exchange;
        qso.prefix = prefix;
        add(qso);
    }
};

// 10 QSOs on 80m, one a duplicate, 4 sections among the other 9; 3 QSOs on 2m with 2 sections,
// one of them also worked on 80m.
TEST_F(ResultSummary, ForeignStationCountsSectionsPerBand) {
    reset("DL");
    const char* sections80[] = {"LGE", "ACC", "LGE", "ACC", "BRC", "ODE", "LGE", "ODE", "BRC"};
    int serial = 1;
    for (const char* section : sections80) {
        const std::string call = "ON4A" + std::string(1, static_cast<char>('A' + serial));
        addOn("80m", call.c_str(), (std::to_string(serial++) + section).c_str());
    }
    addOn("80m", "ON4AB", "99 TLS"); // duplicate of the first QSO: counts nothing
    addOn("2m", "ON4AB", "5 LGE");
    addOn("2m", "ON5XX", "6 TRC");
    addOn("2m", "ON6XX", "7 TRC");
    EXPECT_EQ(result(), golden("reports/foreign-result.txt"));
    EXPECT_EQ(setting("Claimed"), "216");
}

TEST_F(ResultSummary, BelgianStationCountsPrefixesPerBand) {
    reset("ON");
    addOn("6m", "DL1AA", "1", "DL");
    addOn("80m", "DL2BB", "2", "DL");
    addOn("80m", "F5CC", "3", "F");
    addOn("80m", "ON4DD", "4 LGE");
    addOn("80m", "EA1EE", "5", ""); // an empty prefix is a value like any other
    addOn("2m", "PA3FF", "6", "PA");
    EXPECT_EQ(result(), golden("reports/belgian-result.txt"));
    EXPECT_EQ(setting("Claimed"), "108");
}

TEST_F(ResultSummary, EmptyLogAndRepeatedRequests) {
    reset("DL");
    int untouched = 42;
    const std::string first = result(&untouched);
    EXPECT_EQ(first, golden("reports/empty-result.txt"));
    EXPECT_EQ(result(&untouched), first);
    EXPECT_EQ(untouched, 42);
    EXPECT_EQ(setting("Claimed"), "0");
    EXPECT_FALSE(std::filesystem::exists("DL1ABC.cbr"));
}

TEST_F(ResultSummary, BandsAreListedLongestWavelengthFirst) {
    reset("DL");
    addOn("2m", "ON4AA", "1 LGE");
    addOn("80m", "ON4AA", "2 LGE");
    addOn("6m", "ON4AA", "3 LGE");
    const std::string text = result();
    const std::size_t at80 = text.find("80m\t");
    const std::size_t at6 = text.find("\r\n6m\t");
    const std::size_t at2 = text.find("\r\n2m\t");
    EXPECT_LT(at80, at6);
    EXPECT_LT(at6, at2);
    // Bands added later take their place at the next request.
    reset("DL");
    addOn("6m", "ON4AA", "1 LGE");
    result();
    addOn("80m", "ON4AA", "1 LGE");
    const std::string again = result();
    EXPECT_LT(again.find("80m\t"), again.find("\r\n6m\t"));
}

TEST_F(ResultSummary, UnacceptableSectionsScorePointsButNoMultiplier) {
    reset("DL");
    addOn("80m", "ON4AA", "1 XYZ");
    addOn("80m", "ON4BB", "2 LGE");
    EXPECT_NE(result().find("80m\t 2\t 6\t    1\r\nTotal\t 2\t 6\t    1\r\n\r\nScore: 6*1 = 6\r\n"),
              std::string::npos);
}

} // namespace
} // namespace stats::test
