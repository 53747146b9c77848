// The Cabrillo file as the result request writes it, compared byte for byte.
#include "tests/cabrillo/scripted_dialog.h"
#include "tests/support/contest_fixture.h"

#include <filesystem>

namespace stats::test {
namespace {

constexpr COleDateTime k0830{42442.354166666667, 0}; // 2016-03-13 08:30

class CabrilloFileTest : public ContestTest {
  protected:
    void SetUp() override {
        ContestTest::SetUp();
        dialog.install(plugin());
        messages.install(plugin());
    }

    std::string cabrillo(const std::string& name = "DL1ABC.cbr") const {
        return readBytes(folder() / name);
    }

    ScriptedDialog dialog;
    MessageLog messages;
};

TEST_F(CabrilloFileTest, ForeignStationWithEditedHeaderAndTwoResultRequests) {
    setSetting("Mode", "SSB");
    dialog.typed = {{1010, "DL1ABC/P"},
                    {1007, "Hans Meier"},
                    {1002, "Hauptstr. 1"},
                    {1003, "Bonn"},
                    {1011, "NRW"},
                    {1012, "53111"},
                    {1015, "Germany"},
                    {1004, "dl1abc@example.org"},
                    {1001, "First line\r\nSecond line"},
                    {1021, "LOW"},
                    {1008, "999"},
                    {1006, "DL1ABC DL2XYZ"}};
    reset("DL", 1, "DL1ABC");

    ASSERT_EQ(add({.mode = "SSB", .rstSent = "59", .rstReceived = "59"}), 1);
    ASSERT_EQ(add({.call = "ON4BBB",
                   .time = k0830,
                   .frequencyHz = 144'300'000,
                   .mode = "FM",
                   .exchangeSent = "002",
                   .exchangeReceived = "12 acc",
                   .band = "2m"}),
              1);
    ASSERT_EQ(add({.mode = "SSB", .exchangeSent = "003", .exchangeReceived = "3LGE"}), 1); // dupe
    ASSERT_EQ(add({.call = "ON4CCC",
                   .time = k0830,
                   .frequencyHz = 50'100'000,
                   .exchangeSent = "004",
                   .exchangeReceived = "7 gnt",
                   .band = "6m"}),
              1);

    // The file is named after the callsign given to the contest start, not the edited one, and a
    // second request writes each QSO once again, not twice.
    for (int request = 0; request < 2; ++request) {
        SCOPED_TRACE(request);
        int done = 0;
        result(&done);
        EXPECT_EQ(done, -1);
        EXPECT_EQ(cabrillo(), golden("cabrillo/foreign_ssb_edited.cbr"));
    }
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"File produced: DL1ABC.cbr", "File produced: DL1ABC.cbr"}));
    EXPECT_EQ(messages.captions.front(), "Output");
}

TEST_F(CabrilloFileTest, BelgianStationInCwWithUntouchedHeader) {
    setSetting("Mode", "CW");
    setSetting("Province", "ACC");
    setSetting("Name", "Jan Peeters");
    setSetting("Address", "Kerkstraat 1");
    setSetting("Address_City", "Gent");
    setSetting("Address_PostalCode", "9000");
    setSetting("Address_Country", "Belgium");
    setSetting("Email", "on4xyz@example.be");
    reset("ON", 1, "ON4XYZ");

    // The reports follow the contest's mode, not the QSO's: the SSB QSO also carries 599.
    ASSERT_EQ(add({.ownCall = "ON4XYZ", .exchangeReceived = "5lge"}), 1);
    ASSERT_EQ(add({.ownCall = "ON4XYZ",
                   .call = "DL1ABC",
                   .mode = "SSB",
                   .exchangeSent = "002",
                   .exchangeReceived = "14",
                   .prefix = "DL"}),
              1);
    result();
    EXPECT_EQ(cabrillo("ON4XYZ.cbr"), golden("cabrillo/belgian_cw_untouched.cbr"));
}

TEST_F(CabrilloFileTest, CancelledHeaderWithEmptyLogKeepsStoredValuesAndDefaults) {
    setSetting("Operators", "ON4XYZ ON4QQQ");
    setSetting("Name", "Jan Peeters");
    setSetting("SoapBox", "Line one<CR><LF>Line two");
    setSetting("Mode", "SSB");
    dialog.confirm = false;
    dialog.typed = {{1007, "Not kept"}, {1013, "CHECKLOG"}};
    reset("DL", 1, "DL1ABC");

    result();
    // Without OK the soapbox keeps its line break inside a single SOAPBOX line.
    EXPECT_EQ(cabrillo(), golden("cabrillo/cancelled_empty_log.cbr"));
}

// One QSO line in each of the four formats: Belgian or foreign station, CW contest or not.
struct LineCase {
    const char* name;
    const char* ownPrefix;
    const char* storedMode;
    Qso qso;
    const char* line;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.name;
}

class QsoLineTest : public CabrilloFileTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(QsoLineTest, HasItsColumnsAndReports) {
    const LineCase& c = GetParam();
    setSetting("Mode", c.storedMode);
    setSetting("Province", "ACC");
    reset(c.ownPrefix, 1, "DL1ABC");
    ASSERT_EQ(add(c.qso), 1);
    result();
    const std::string file = cabrillo();
    const std::size_t at = file.find("QSO: ");
    ASSERT_NE(at, std::string::npos) << file;
    EXPECT_EQ(file.substr(at, file.find("END-OF-LOG:") - at), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, QsoLineTest,
    ::testing::Values(
        LineCase{
            "ForeignCw",
            "DL",
            "CW",
            {.mode = "SSB"},
            "QSO:  3550 PH 2016-03-13 0705 DL1ABC        599 001    ON4AAA        599 001 LGE\r\n"},
        LineCase{
            "ForeignSsbCwQso",
            "DL",
            "SSB",
            {},
            "QSO:  3550 CW 2016-03-13 0705 DL1ABC        59  001    ON4AAA        59  001 LGE\r\n"},
        LineCase{"BelgianSsb",
                 "ON",
                 "SSB",
                 {.mode = "FM"},
                 "QSO:  3550 PH 2016-03-13 0705 DL1ABC        59  001 ACC ON4AAA        59  001 "
                 "LGE\r\n"},
        // Fields longer than their columns are never cut; they push the rest to the right.
        LineCase{"LongFieldsAndNullTime",
                 "DL",
                 "CW",
                 {.call = "ON4ABCDEFGHIJ/P",
                  .time = COleDateTime{0.0, 2},
                  .frequencyHz = 144'050'000,
                  .exchangeSent = "123456",
                  .band = "2m"},
                 "QSO: 144050 CW  DL1ABC        599 123456  ON4ABCDEFGHIJ/P  599 001 LGE\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CabrilloFileTest, FileThatCannotBeWrittenIsReportedWithTheSystemsReason) {
    reset("DL", 1, "DL1ABC");
    const std::filesystem::path file = folder() / "DL1ABC.cbr";

    std::filesystem::create_directory(file);
    result();
    std::filesystem::remove(file);
    // Every byte is written but the disk is full: the loss shows only when the file is closed.
    std::filesystem::create_symlink("/dev/full", file);
    result();
    std::filesystem::remove(file);
    result();

    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"File not produced: DL1ABC.cbr: Is a directory",
                                        "File not produced: DL1ABC.cbr: No space left on device",
                                        "File produced: DL1ABC.cbr"}));
}

TEST_F(CabrilloFileTest, FileNameCanNameNothingButAFileInTheCurrentFolder) {
    const struct {
        const char* callsign;
        const char* fileName;
    } cases[] = {
        {"ON4ABC/P", "ON4ABC_P.cbr"},
        {"PA\\ON4ABC", "PA_ON4ABC.cbr"},
        {"  DL1ABC\t", "DL1ABC.cbr"},
        {"", "KOVA.cbr"},
        {"   ", "KOVA.cbr"},
        {"A:B*C?D\"E<F>G|H", "A_B_C_D_E_F_G_H.cbr"},
        {"DL1\x01"
         "ABC",
         "DL1_ABC.cbr"},
        {"..\\..\\X", ".._.._X.cbr"},
        {"CON", "CON_.cbr"},
        {"com1", "com1_.cbr"},
        {"NUL.X", "NUL_.X.cbr"},
        {"CONTEST", "CONTEST.cbr"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.callsign);
        messages.texts.clear();
        reset("DL", 1, c.callsign);
        result();
        ASSERT_EQ(messages.texts,
                  std::vector<std::string>{std::string("File produced: ") + c.fileName});
        // The header keeps the callsign exactly as it was given.
        EXPECT_NE(cabrillo(c.fileName).find(std::string("\r\nCALLSIGN: ") + c.callsign + "\r\n"),
                  std::string::npos);
        std::filesystem::remove(folder() / c.fileName);
    }
    // Nothing was written anywhere but as the named files in this folder.
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder())) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Plugins", "Stats.so", "err.txt"}));
}

} // namespace
} // namespace stats::test
