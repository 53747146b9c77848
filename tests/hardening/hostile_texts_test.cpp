// Texts a host or an operator may pass that the plug-in must not trust: line breaks that would
// start keys or sections in the settings file, huge and non-ASCII texts in every argument, and
// callsigns that look like paths or devices.
#include "platform/ini_text.h"
#include "tests/cabrillo/scripted_dialog.h"
#include "tests/support/contest_fixture.h"

#include <set>
#include <sstream>

namespace stats::test {
namespace {

namespace fs = std::filesystem;

const std::vector<int> kHeaderControls = {1009, 1010, 1008, 1013, 1024, 1014, 1016, 1020,
                                          1023, 1021, 1025, 1022, 1007, 1002, 1003, 1011,
                                          1012, 1015, 1006, 1005, 1001, 1004};
const std::vector<int> kSetupControls = {1015, 1001, 1000};

const std::set<std::string> kKeys = {"Province",
                                     "Mode",
                                     "Multiplier",
                                     "BELGIUM",
                                     "Start",
                                     "Claimed",
                                     "Operators",
                                     "Name",
                                     "Address",
                                     "Address_City",
                                     "Address_St_Prov",
                                     "Address_PostalCode",
                                     "Address_Country",
                                     "Email",
                                     "Club",
                                     "SoapBox",
                                     "Category",
                                     "Category_Overlay",
                                     "Contest"};

// The settings file holds its one section and the plug-in's keys, each once, and nothing else.
void expectOnlyTheSettingsSection(const std::string& content) {
    std::istringstream lines(content);
    std::multiset<std::string> keys;
    int sections = 0;
    for (std::string line; std::getline(lines, line);) {
        ASSERT_TRUE(line.ends_with('\r')) << line;
        line.pop_back();
        if (line == "[Settings]") {
            ++sections;
            continue;
        }
        const std::string key = line.substr(0, line.find('='));
        ASSERT_NE(line.find('='), std::string::npos) << line;
        EXPECT_TRUE(kKeys.contains(key)) << "unexpected key " << key;
        keys.insert(key);
    }
    EXPECT_EQ(sections, 1);
    for (const std::string& key : kKeys) {
        EXPECT_LE(keys.count(key), 1u) << key;
    }
}

std::map<int, std::string> everyControl(const std::vector<int>& ids, const std::string& text) {
    std::map<int, std::string> typed;
    for (const int id : ids) {
        typed[id] = text;
    }
    return typed;
}

std::set<std::string> filesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class HostileTexts : public ContestTest {
  protected:
    void SetUp() override {
        ContestTest::SetUp();
        messages.install(plugin());
    }
    MessageLog messages;
};

TEST_F(HostileTexts, LineBreaksInDialogValuesNeverStartAKeyOrSection) {
    const std::string evil = "x\r\n[Evil]\r\nMode=CW\rStart=7\nBELGIUM=1";
    setSetting("Mode", "SSB");
    ScriptedDialog header;
    header.typed = everyControl(kHeaderControls, evil);
    header.install(plugin());
    reset("DL", 1, "DL1ABC");
    ScriptedDialog setup;
    setup.typed = everyControl(kSetupControls, evil);
    setup.install(plugin());
    plugin().SetupSet0();

    const std::string content = settingsBytes();
    expectOnlyTheSettingsSection(content);
    EXPECT_EQ(ini::find(content, "Evil", "Mode"), std::nullopt);
    EXPECT_EQ(setting("Name"), "x  [Evil]  Mode=CW Start=7 BELGIUM=1");
    EXPECT_EQ(setting("Mode"), "x  [Evil]  Mode=CW Start=7 BELGIUM=1");
    EXPECT_EQ(setting("SoapBox"), "x<CR><LF>[Evil]<CR><LF>Mode=CW<CR>Start=7<LF>BELGIUM=1");
    EXPECT_EQ(setting("Start"), "0");
    EXPECT_EQ(setting("BELGIUM"), "0");
}

TEST_F(HostileTexts, LineBreaksInHeaderFieldsAndQsoTextsNeverForgeACabrilloLine) {
    const std::string evil = "x\r\nCLAIMED-SCORE: 999999\nQSO: forged";
    ScriptedDialog header;
    header.typed = everyControl(kHeaderControls, evil);
    header.typed.erase(1001); // the soapbox's line breaks are its own lines, by design
    header.install(plugin());
    reset("DL", 1, "DL1ABC");
    Qso qso;
    qso.call = evil;
    qso.exchangeReceived = "1\r\nQSO: forged";
    qso.prefix = "DL";
    ASSERT_EQ(add(qso), 1);
    result();

    // Every line of the file is one of the labelled lines; the forged texts stay inside them.
    std::istringstream lines(readBytes(folder() / "DL1ABC.cbr"));
    int claimedLines = 0;
    int qsoLines = 0;
    for (std::string line; std::getline(lines, line);) {
        ASSERT_TRUE(line.ends_with('\r')) << line;
        EXPECT_NE(line.find(':'), std::string::npos) << line;
        claimedLines += line.starts_with("CLAIMED-SCORE:") ? 1 : 0;
        qsoLines += line.starts_with("QSO:") ? 1 : 0;
    }
    EXPECT_EQ(claimedLines, 1);
    EXPECT_EQ(qsoLines, 1);
}

struct HostileText {
    const char* name;
    std::string text;
    std::string fileName; // the Cabrillo file it names, or empty when it cannot be created

    friend void PrintTo(const HostileText& text, std::ostream* out) { *out << text.name; }
};

std::string byteRange(int first, int last) {
    std::string bytes;
    for (int b = first; b <= last; ++b) {
        bytes.push_back(static_cast<char>(b));
    }
    return bytes;
}

class HostileArguments : public HostileTexts, public ::testing::WithParamInterface<HostileText> {};

TEST_P(HostileArguments, InEveryTextArgument) {
    const std::string& hostile = GetParam().text;
    const char* t = hostile.c_str();
    ScriptedDialog header; // OK with what the header opened with
    header.install(plugin());

    EXPECT_EQ(plugin().ResetStats0(t, 1, t, nullptr, nullptr, t, t, t, t, t, t, t, t, t, t, 0, 0, 0,
                                   0.0, 0.0, t, t, t),
              1);
    COleDateTime time{42442.5, 0};
    // Stored with every text hostile but the mode and the band; then rejected for its band.
    for (const char* band : {"80m", t}) {
        EXPECT_EQ(plugin().AddData0(t, t, &time, &time, &time, &time, 0, 3550000, "CW", t, t, t, t,
                                    t, t, t, t, t, t, t, t, t, t, 0, 0, 0, 0.0, 0.0, t, t, t, band,
                                    t),
                  band == t ? 0 : 1);
    }
    char buffer[50] = "unchanged";
    EXPECT_EQ(plugin().CheckCall0(t, 0, 0, t, t, t, t, t, t, t, t, t, t, t, 0, 0, 0, 0.0, 0.0, t, t,
                                  t, t, t, "80m", "80m", buffer, buffer),
              0);
    int done = 0;
    const std::string first = plugin().GetResult0(&done);
    EXPECT_NE(first.find("80m\t 1\t 3\t    0\r\n"), std::string::npos) << first.substr(0, 200);
    EXPECT_EQ(done, -1);
    EXPECT_EQ(plugin().RemoveData0(t, t, &time, &time, &time, &time, 0, 3550000, "CW", t, t, t, t,
                                   t, t, t, t, t, t, t, t, t, t, 0, 0, 0, 0.0, 0.0, t, t, t, "80m",
                                   t),
              1);
    EXPECT_NE(std::string(plugin().GetResult0(&done)).find("80m\t 0\t 0\t    0\r\n"),
              std::string::npos);
    ScriptedDialog setup;
    setup.typed = everyControl(kSetupControls, hostile);
    setup.install(plugin());
    plugin().SetupSet0();

    expectOnlyTheSettingsSection(settingsBytes());
    ASSERT_EQ(messages.texts.size(), 2u);
    std::set<std::string> expectedFiles = {"Plugins", "Stats.so", "err.txt"};
    if (GetParam().fileName.empty()) {
        EXPECT_TRUE(messages.texts[0].starts_with("File not produced: "));
    } else {
        EXPECT_EQ(messages.texts[0], "File produced: " + GetParam().fileName);
        expectedFiles.insert(GetParam().fileName);
    }
    EXPECT_EQ(filesIn(folder()), expectedFiles);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HostileArguments,
    ::testing::Values(
        // Too long for a file name: the Cabrillo file cannot be created, and the operator is told.
        HostileText{"MegabyteCallsign", std::string(1 << 20, 'A'), ""},
        HostileText{"HighBytes", byteRange(0x80, 0xFF), byteRange(0x80, 0xFF) + ".cbr"},
        HostileText{"ControlCharacters", byteRange(0x01, 0x1F) + "A\x7F",
                    std::string(31, '_') + "A_.cbr"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostileTexts, CabrilloFileNameNeverLeavesTheCurrentFolder) {
    // The contest runs one folder down, so that a file written above it would show.
    const fs::path work = folder() / "work";
    fs::create_directories(work / "Plugins");
    fs::current_path(work);
    ScriptedDialog header;
    header.install(plugin());
    const struct {
        const char* callsign;
        const char* fileName;
    } cases[] = {
        {"../x", ".._x.cbr"}, {"..\\x", ".._x.cbr"},          {"C:\\x", "C__x.cbr"},
        {"CON", "CON_.cbr"},  {"a:stream", "a_stream.cbr"},   {"/tmp/x", "_tmp_x.cbr"},
        {"..", "...cbr"},     {"x/../../y", "x_.._.._y.cbr"}, {"aux.txt", "aux_.txt.cbr"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.callsign);
        messages.texts.clear();
        reset("DL", 1, c.callsign);
        result();
        EXPECT_EQ(messages.texts,
                  std::vector<std::string>{std::string("File produced: ") + c.fileName});
        EXPECT_EQ(filesIn(work), (std::set<std::string>{c.fileName, "Plugins", "err.txt"}));
        fs::remove(work / c.fileName);
    }
    EXPECT_EQ(filesIn(folder()), (std::set<std::string>{"Plugins", "Stats.so", "work"}));
}

} // namespace
} // namespace stats::test
