// The setup dialog as a host sees it, and what it stores.
#include "tests/cabrillo/scripted_dialog.h"
#include "tests/support/contest_fixture.h"

namespace stats::test {
namespace {

class SetupDialogTest : public ContestTest {
  protected:
    void SetUp() override {
        ContestTest::SetUp();
        dialog.install(plugin());
        messages.install(plugin());
    }
    ScriptedDialog dialog;
    MessageLog messages;
};

TEST_F(SetupDialogTest, OkStoresTheTypedValuesInOrderAsTyped) {
    dialog.typed = {{1015, "1"}, {1001, "cw"}, {1000, "lge"}};
    plugin().SetupSet0();

    ASSERT_EQ(dialog.opened.size(), 1U);
    const OpenedDialog& seen = dialog.last();
    EXPECT_EQ(seen.templateId, 104);
    EXPECT_EQ(seen.caption, "Setup UBA Spring Contestt");
    EXPECT_EQ(seen.controlIds, (std::vector<int>{1015, 1001, 1000}));
    EXPECT_EQ(seen.values, (std::map<int, std::string>{{1015, "0"}, {1001, ""}, {1000, ""}}));
    EXPECT_EQ(settingsBytes(), "[Settings]\r\nMultiplier=1\r\nProvince=lge\r\nMode=cw\r\n");
}

TEST_F(SetupDialogTest, OkUntouchedWritesBackWhatWasRead) {
    const struct {
        const char* stored;
        const char* shown;
    } multipliers[] = {{"1", "1"}, {"2abc", "2"}, {"7", "0"}, {"-1", "0"}, {"abc", "0"}, {"", "0"}};
    setSetting("Province", std::string(150, 'p'));
    setSetting("Mode", "SSB");
    for (const auto& m : multipliers) {
        SCOPED_TRACE(m.stored);
        setSetting("Multiplier", m.stored);
        plugin().SetupSet0();
        EXPECT_EQ(dialog.last().values.at(1015), m.shown);
        EXPECT_EQ(setting("Multiplier"), m.shown);
        EXPECT_EQ(setting("Province"), std::string(150, 'p'));
        EXPECT_EQ(setting("Mode"), "SSB");
    }
}

TEST_F(SetupDialogTest, ClosingWithoutOkLeavesTheSettingsFileAlone) {
    setSetting("Multiplier", "9");
    setSetting("Province", "ACC");
    const std::string before = settingsBytes();
    dialog.confirm = false;
    dialog.typed = {{1015, "1"}, {1001, "CW"}, {1000, "LGE"}};
    plugin().SetupSet0();
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(SetupDialogTest, NewOwnSectionReachesTheNextQsoAtOnce) {
    setSetting("Province", "ACC");
    reset("ON", 1, "ON4XYZ");
    ASSERT_EQ(add({.ownCall = "ON4XYZ"}), 1);
    dialog.typed = {{1000, "LGE"}};
    plugin().SetupSet0();
    ASSERT_EQ(add({.ownCall = "ON4XYZ", .call = "ON4BBB", .exchangeSent = "002"}), 1);
    result();
    const std::string file = readBytes(folder() / "ON4XYZ.cbr");
    EXPECT_NE(file.find(" 001 ACC ON4AAA "), std::string::npos) << file;
    EXPECT_NE(file.find(" 002 LGE ON4BBB "), std::string::npos) << file;
}

} // namespace
} // namespace stats::test
