// Settings writes that find the value already stored: the file must still end up exactly as a
// write leaves it, with the key's line in the written form.
#include "plugin/settings_file.h"
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace stats::test {
namespace {

struct StoredForm {
    const char* name;
    const char* before;
    const char* after; // once "Mode" = "CW" was written

    friend void PrintTo(const StoredForm& form, std::ostream* out) { *out << form.name; }
};

class SettingsWrite : public ContestTest, public ::testing::WithParamInterface<StoredForm> {};

TEST_P(SettingsWrite, OfTheStoredValueLeavesTheWrittenForm) {
    writeBytes(settingsPath(), GetParam().before);
    SettingsFile().writeText("Mode", "CW");
    EXPECT_EQ(settingsBytes(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SettingsWrite,
    ::testing::Values(
        StoredForm{"AlreadyWritten", "[Settings]\r\nStart=1\r\nMode=CW\r\n",
                   "[Settings]\r\nStart=1\r\nMode=CW\r\n"},
        StoredForm{"OtherKeySpelling", "[Settings]\r\nmode = CW\r\n", "[Settings]\r\nMode=CW\r\n"},
        StoredForm{"Quoted", "[Settings]\r\nMode=\"CW\"\r\n", "[Settings]\r\nMode=CW\r\n"},
        StoredForm{"LineFeedOnly", "[Settings]\nMode=CW\n", "[Settings]\nMode=CW\r\n"},
        StoredForm{"NoLastLineEnd", "[Settings]\r\nMode=CW", "[Settings]\r\nMode=CW\r\n"},
        StoredForm{"InAnotherSection", "[Other]\r\nMode=CW\r\n",
                   "[Other]\r\nMode=CW\r\n\r\n[Settings]\r\nMode=CW\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Intake writes the mode of every QSO; the value another program stored meanwhile is replaced.
TEST_F(SettingsWrite, IntakeSeesAChangeMadeBetweenTwoQsos) {
    reset();
    add({});
    setSetting("Mode", "SSB");
    add({});
    EXPECT_EQ(setting("Mode"), "CW");
}

} // namespace
} // namespace stats::test
