// The Cabrillo header dialog as a host sees it, and what it remembers in the settings file.
#include "tests/cabrillo/scripted_dialog.h"
#include "tests/support/contest_fixture.h"

#include "platform/ini_text.h"

#include <sstream>

namespace stats::test {
namespace {

const std::vector<int> kHeaderIds = {1009, 1010, 1008, 1013, 1024, 1014, 1016, 1020,
                                     1023, 1021, 1025, 1022, 1007, 1002, 1003, 1011,
                                     1012, 1015, 1006, 1005, 1001, 1004};

class HeaderDialogTest : public ContestTest {
  protected:
    void SetUp() override {
        ContestTest::SetUp();
        dialog.install(plugin());
        messages.install(plugin());
    }

    // The keys of the settings file in the order they first appeared, but for those the contest
    // start writes itself.
    std::vector<std::string> headerKeys() const {
        std::vector<std::string> keys;
        std::istringstream lines(settingsBytes());
        for (std::string line; std::getline(lines, line);) {
            const std::string key = line.substr(0, line.find('='));
            if (line.find('=') != std::string::npos && key != "BELGIUM" && key != "Start") {
                keys.push_back(key);
            }
        }
        return keys;
    }

    ScriptedDialog dialog;
    MessageLog messages;
};

TEST_F(HeaderDialogTest, OpensWithDefaultsAndTheCallsignWhenNothingIsStored) {
    reset("DL", 1, "DL1ABC");
    ASSERT_EQ(dialog.opened.size(), 1U);
    const OpenedDialog& seen = dialog.last();
    EXPECT_EQ(seen.templateId, 101);
    EXPECT_EQ(seen.caption, "UBA Spring Contest ");
    EXPECT_EQ(seen.controlIds, kHeaderIds);
    EXPECT_EQ(seen.values, (std::map<int, std::string>{{1009, "UBA-SPRING"},
                                                       {1010, "DL1ABC"},
                                                       {1008, ""},
                                                       {1013, "SINGLE-OP"},
                                                       {1024, "DX"},
                                                       {1014, "80M"},
                                                       {1016, "NON-ASSISTED"},
                                                       {1020, "SSB"},
                                                       {1023, "NONE"},
                                                       {1021, "HIGH"},
                                                       {1025, "FIXED"},
                                                       {1022, "ONE"},
                                                       {1007, ""},
                                                       {1002, ""},
                                                       {1003, ""},
                                                       {1011, ""},
                                                       {1012, ""},
                                                       {1015, ""},
                                                       {1006, "DL1ABC"},
                                                       {1005, ""},
                                                       {1001, ""},
                                                       {1004, ""}}));
}

TEST_F(HeaderDialogTest, HandlerReachesOnlyTheDialogsControls) {
    struct Probe {
        const char* unknownText = "unset";
        int unknownSet = -1;
        int nullSet = -1;
        int knownSet = -1;
    } probe;
    plugin().SetDialogHandler(
        [](void* context, StatsDialog* d) {
            auto& p = *static_cast<Probe*>(context);
            p.unknownText = d->getText(d, 9999);
            p.unknownSet = d->setText(d, 9999, "x");
            p.nullSet = d->setText(d, 1007, nullptr);
            p.knownSet = d->setText(d, 1007, "Jan");
            return 1;
        },
        &probe);
    reset("DL", 1, "DL1ABC");
    EXPECT_EQ(probe.unknownText, nullptr);
    EXPECT_EQ(probe.unknownSet, 0);
    EXPECT_EQ(probe.nullSet, 0);
    EXPECT_EQ(probe.knownSet, 1);
    EXPECT_EQ(setting("Name"), "Jan");
}

TEST_F(HeaderDialogTest, OkStoresTheHeaderInItsOrderAndTheNextRunShowsItAgain) {
    dialog.typed = {
        {1010, "DL1ABC/P"},   {1008, "999"},      {1013, "MULTI-ONE"},     {1024, "LGE"},
        {1014, "ALL BANDS"},  {1020, "CW"},       {1023, "ON3"},           {1021, "QRP"},
        {1007, "Hans"},       {1002, "Street 1"}, {1003, "Bonn"},          {1011, "NRW"},
        {1012, "53111"},      {1015, "Germany"},  {1006, "DL1ABC DL2XYZ"}, {1005, "DARC"},
        {1001, "One\r\nTwo"}, {1004, "a@b.c"},    {1009, "MY-TEST"}};
    reset("DL", 1, "DL1ABC");

    // The typed claimed score is not kept anywhere.
    EXPECT_EQ(headerKeys(), (std::vector<std::string>{
                                "Operators", "Name", "Address", "Address_City", "Address_St_Prov",
                                "Address_PostalCode", "Address_Country", "Category",
                                "Category_Overlay", "Contest", "Email", "Club", "SoapBox"}));
    const std::pair<const char*, const char*> stored[] = {
        {"Operators", "DL1ABC DL2XYZ"}, {"Name", "Hans"},           {"Address", "Street 1"},
        {"Address_City", "Bonn"},       {"Address_St_Prov", "NRW"}, {"Address_PostalCode", "53111"},
        {"Address_Country", "Germany"}, {"Category", "MULTI-ONE"},  {"Category_Overlay", "ON3"},
        {"Contest", "MY-TEST"},         {"Email", "a@b.c"},         {"Club", "DARC"},
        {"SoapBox", "One<CR><LF>Two"}};
    for (const auto& [key, value] : stored) {
        EXPECT_EQ(setting(key), value) << key;
    }

    setSetting("Claimed", "216");
    dialog.typed.clear();
    reset("DL", 1, "DL1ABC");
    // Remembered: the address block, the soapbox with its line break and the last claimed score;
    // the categories start from their defaults again.
    const std::map<int, std::string>& shown = dialog.last().values;
    EXPECT_EQ(shown.at(1010), "DL1ABC");
    EXPECT_EQ(shown.at(1008), "216");
    EXPECT_EQ(shown.at(1006), "DL1ABC DL2XYZ");
    EXPECT_EQ(shown.at(1005), "DARC");
    EXPECT_EQ(shown.at(1001), "One\r\nTwo");
    for (const auto& [id, value] : {std::pair{1009, "UBA-SPRING"},
                                    {1013, "SINGLE-OP"},
                                    {1024, "DX"},
                                    {1014, "80M"},
                                    {1023, "NONE"},
                                    {1021, "HIGH"}}) {
        EXPECT_EQ(shown.at(id), value) << id;
    }
}

TEST_F(HeaderDialogTest, CancelWritesNothingOfTheHeader) {
    setSetting("Name", "Jan");
    dialog.confirm = false;
    dialog.typed = {{1007, "Piet"}, {1001, "new"}};
    reset("DL", 1, "DL1ABC");
    EXPECT_EQ(headerKeys(), std::vector<std::string>{"Name"});
    EXPECT_EQ(setting("Name"), "Jan");
}

TEST_F(HeaderDialogTest, SoapboxMarkersTypedAsTextBecomeLineBreaks) {
    dialog.typed = {{1001, "one<CR>two"}};
    reset("DL", 1, "DL1ABC");
    result();
    EXPECT_NE(readBytes(folder() / "DL1ABC.cbr").find("SOAPBOX: one\r\nSOAPBOX: two\r\n"),
              std::string::npos);

    dialog.typed.clear();
    reset("DL", 1, "DL1ABC");
    EXPECT_EQ(dialog.last().values.at(1001), "one\rtwo");
}

TEST_F(HeaderDialogTest, LongStoredValuesAreReadWhole) {
    const std::string name(150, 'n');
    const std::string soapbox = std::string(120, 's') + "<CR><LF>" + std::string(30, 't');
    setSetting("Name", name);
    setSetting("SoapBox", soapbox);
    reset("DL", 1, "DL1ABC");
    EXPECT_EQ(dialog.last().values.at(1007), name);
    EXPECT_EQ(dialog.last().values.at(1001), std::string(120, 's') + "\r\n" + std::string(30, 't'));
    EXPECT_EQ(setting("SoapBox"), soapbox);
    result();
    EXPECT_NE(
        readBytes(folder() / "DL1ABC.cbr")
            .find("SOAPBOX: " + std::string(120, 's') + "\r\nSOAPBOX: " + std::string(30, 't')),
        std::string::npos);
}

TEST_F(HeaderDialogTest, CwModeFollowsTheStoredModeAtEveryContestStart) {
    const std::pair<const char*, const char*> runs[] = {
        {"CW", "CW"}, {"SSB", "SSB"}, {"CW", "CW"}, {"cw", "SSB"}, {"", "SSB"}};
    for (const auto& [storedMode, categoryMode] : runs) {
        SCOPED_TRACE(storedMode);
        setSetting("Mode", storedMode);
        reset("DL", 1, "DL1ABC");
        EXPECT_EQ(dialog.last().values.at(1020), categoryMode);
        ASSERT_EQ(add({.mode = "SSB"}), 1);
        result();
        const bool cw = std::string(categoryMode) == "CW";
        EXPECT_NE(readBytes(folder() / "DL1ABC.cbr").find(cw ? " 599 001 " : " 59  001 "),
                  std::string::npos);
    }
}

} // namespace
} // namespace stats::test
