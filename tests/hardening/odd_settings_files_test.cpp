// Settings files as other programs or a damaged disk may leave them: the setup dialog opens on
// the stored values, and saving it replaces those values and keeps every other byte.
#include "tests/cabrillo/scripted_dialog.h"
#include "tests/support/contest_fixture.h"

namespace stats::test {
namespace {

using namespace std::string_literals;

constexpr int kMultiplierBox = 1015;
constexpr int kModeEdit = 1001;
constexpr int kSectionEdit = 1000;

// Another program's keys in front of the plug-in's section.
std::string filler(std::size_t bytes) {
    std::string text = bytes == 0 ? "" : "[Other]\r\n";
    const std::string line = "Key=" + std::string(90, 'f') + "\r\n";
    while (text.size() < bytes) {
        text += line;
    }
    return text;
}

struct OddFile {
    const char* name;
    std::string before;
    std::map<int, std::string> shown; // the setup dialog's values as it opens
    std::string after;                // once OK saved the section "ACC"
    std::size_t fillerBytes = 0;      // in front of both, made when the test runs

    friend void PrintTo(const OddFile& file, std::ostream* out) { *out << file.name; }
};

class OddSettingsFiles : public ContestTest, public ::testing::WithParamInterface<OddFile> {};

TEST_P(OddSettingsFiles, SetupReadsTheStoredValuesAndSavingKeepsTheRest) {
    const OddFile& file = GetParam();
    const std::string front = filler(file.fillerBytes);
    writeBytes(settingsPath(), front + file.before);
    ScriptedDialog setup;
    setup.typed = {{kSectionEdit, "ACC"}};
    setup.install(plugin());

    plugin().SetupSet0();

    ASSERT_EQ(setup.opened.size(), 1u);
    EXPECT_EQ(setup.last().values, file.shown);
    const std::string after = settingsBytes();
    EXPECT_EQ(after.size(), front.size() + file.after.size());
    EXPECT_TRUE(after.starts_with(front)) << "the other program's keys changed";
    EXPECT_EQ(after.substr(front.size()), file.after);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, OddSettingsFiles,
    ::testing::Values(
        OddFile{"TenMegabytes",
                "[Settings]\r\nProvince=LGE\r\nMode=CW\r\nMultiplier=1\r\n",
                {{kMultiplierBox, "1"}, {kModeEdit, "CW"}, {kSectionEdit, "LGE"}},
                "[Settings]\r\nProvince=ACC\r\nMode=CW\r\nMultiplier=1\r\n",
                10'000'000},
        OddFile{"NoFinalLineBreak",
                "[Settings]\r\nMode=CW\r\nProvince=LGE",
                {{kMultiplierBox, "0"}, {kModeEdit, "CW"}, {kSectionEdit, "LGE"}},
                "[Settings]\r\nMode=CW\r\nProvince=ACC\r\nMultiplier=0\r\n"},
        OddFile{"NulBytes",
                "[Settings]\r\nName=a\0b\r\nProvince=LGE\r\n\0\0\r\nMode=CW\n"s,
                {{kMultiplierBox, "0"}, {kModeEdit, "CW"}, {kSectionEdit, "LGE"}},
                "[Settings]\r\nName=a\0b\r\nProvince=ACC\r\n\0\0\r\nMode=CW\r\nMultiplier=0\r\n"s},
        // The first of several sections and keys of one name holds the value; a key missing
        // there is still found in a later section of that name.
        OddFile{"DuplicateSectionsAndKeys",
                "[Settings]\r\nProvince=LGE\r\nprovince=BXE\r\n[Other]\r\nProvince=OST\r\n"
                "[SETTINGS]\r\nMode=CW\r\nProvince=TRC\r\n",
                {{kMultiplierBox, "0"}, {kModeEdit, "CW"}, {kSectionEdit, "LGE"}},
                "[Settings]\r\nProvince=ACC\r\nprovince=BXE\r\nMultiplier=0\r\nMode=CW\r\n"
                "[Other]\r\nProvince=OST\r\n[SETTINGS]\r\nMode=CW\r\nProvince=TRC\r\n"},
        OddFile{"Utf8ByteOrderMark",
                "\xEF\xBB\xBF[Settings]\r\nProvince=LGE\r\nMode=CW\r\n",
                {{kMultiplierBox, "0"}, {kModeEdit, "CW"}, {kSectionEdit, "LGE"}},
                "\xEF\xBB\xBF[Settings]\r\nProvince=ACC\r\nMode=CW\r\nMultiplier=0\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace stats::test
