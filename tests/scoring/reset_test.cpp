// Contest start through ResetStats0: the log emptied, the own station's country, the error log
// started, the Start marker, the Cabrillo header step.
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

namespace stats::test {
namespace {

class Reset : public ContestTest {
  protected:
    bool belgianVariant() { return result().find("UBA Contest Contest") != std::string::npos; }
};

TEST_F(Reset, EmptiesTheLogTheBandsAndTheErrorLog) {
    reset();
    Qso qso;
    add(qso);
    add(qso);
    qso.band = "40m";
    add(qso);
    EXPECT_EQ(reset(), 1);
    EXPECT_EQ(errorLog(), "UBA Spring TEST UBN file \r\n");
    const std::string text = result();
    EXPECT_EQ(text.find("80m"), std::string::npos);
    EXPECT_NE(text.find("Total\t 0\t 0\t    0\r\n"), std::string::npos);
}

TEST_F(Reset, OwnPrefixDecidesTheCountryAndIsRemembered) {
    reset("ON");
    EXPECT_TRUE(belgianVariant());
    EXPECT_EQ(setting("BELGIUM"), "1");
    // Prefixes that say nothing about the country keep what is known.
    for (const char* unclear : {"", static_cast<const char*>(nullptr)}) {
        reset(unclear);
        EXPECT_TRUE(belgianVariant());
        EXPECT_EQ(setting("BELGIUM"), "1");
    }
    // Another country makes the station foreign again.
    for (const char* other : {"DL", "on", "ONX"}) {
        reset("ON");
        reset(other);
        EXPECT_FALSE(belgianVariant()) << other;
        EXPECT_EQ(setting("BELGIUM"), "0") << other;
    }
}

TEST_F(Reset, StartMarkerAlternatesWithoutCabrilloOutput) {
    reset();
    EXPECT_EQ(setting("Start"), "1");
    reset();
    EXPECT_EQ(setting("Start"), "0");
    reset();
    EXPECT_EQ(setting("Start"), "1");
}

TEST_F(Reset, CabrilloOutputRunsTheHeaderDialogAndLeavesStartAtZero) {
    for (const int answer : {1, 0}) {
        int shown = 0;
        struct Context {
            int answer;
            int* shown;
        } context{answer, &shown};
        plugin().SetDialogHandler(
            [](void* c, StatsDialog* dialog) {
                auto* ctx = static_cast<Context*>(c);
                *ctx->shown += dialog->templateId == 101 ? 1 : 100;
                return ctx->answer;
            },
            &context);
        setSetting("Start", "0");
        EXPECT_EQ(reset("DL", 5), 1);
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(setting("Start"), "0");
    }
}

TEST_F(Reset, OwnSectionComesFromTheSettingsAtEveryStart) {
    setSetting("Province", "LGE");
    reset("ON", 1);
    plugin().SetMessageHandler([](void*, const char*, const char*) {}, nullptr);
    add({});
    setSetting("Province", "ACC");
    result();
    const std::string cabrillo = readBytes("DL1ABC.cbr");
    EXPECT_NE(cabrillo.find(" 001 LGE "), std::string::npos) << cabrillo;
}

TEST_F(Reset, WithoutThePluginsFolderTheContestStillRuns) {
    std::filesystem::remove_all("Plugins");
    EXPECT_EQ(reset("ON"), 1);
    EXPECT_TRUE(belgianVariant());
    EXPECT_EQ(add({}), 1);
    EXPECT_FALSE(std::filesystem::exists("Plugins"));
}

} // namespace
} // namespace stats::test
