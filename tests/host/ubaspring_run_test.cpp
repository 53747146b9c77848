// Whole runs of the built ubaspring on the bundled sample logs, against golden files, and its
// answers to bad command lines and bad input.
#include "host/file_bytes.h"
#include "tests/host/ubaspring_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ubaspring::test {
namespace {

namespace fs = std::filesystem;

const std::string kExamples = UBASPRING_EXAMPLES_DIR;
const std::string kCountryFile = UBASPRING_FIXTURES_DIR "/cty.dat";

std::string bytesOf(const fs::path& path) {
    const FileBytes file = readFileBytes(path);
    EXPECT_TRUE(file.bytes.has_value()) << path << ": " << file.error;
    return file.bytes.value_or("");
}

std::string golden(const std::string& name) {
    return bytesOf(fs::path(UBASPRING_GOLDEN_DIR) / name);
}

std::vector<std::string> scoreArgs(const std::string& log, std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"score", kExamples + "/" + log, "--cty", kCountryFile};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(SampleLogs, ForeignStationScoredThenCabrilloFile) {
    const TempFolder folder;
    const ProcessResult first = runUbaspring(scoreArgs("dl2hbx-80m-cw.adi"), folder.path());
    ASSERT_EQ(first.exitStatus, 0) << first.err;
    EXPECT_EQ(first.out, golden("dl2hbx-result.txt"));
    EXPECT_EQ(bytesOf(folder.path() / "err.txt"), golden("dl2hbx-err.txt"));
    EXPECT_NE(first.err.find("created ./Plugins"), std::string::npos) << first.err;
    EXPECT_NE(first.err.find("32 QSOs read, 29 stored, 3 rejected"), std::string::npos);
    EXPECT_NE(first.err.find("err.txt: 7 findings"), std::string::npos);
    EXPECT_NE(first.err.find("ON4GVT  599  041 GNT   NO CONTEST BAND !!!"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder.path() / "DL2HBX.cbr"));

    // In a fresh folder the Cabrillo file still carries the log's mode (CW) in its header and
    // reports, and the same run in a folder that scored the log before gives the same file.
    const TempFolder fresh;
    for (const fs::path& place : {fresh.path(), folder.path()}) {
        const ProcessResult second =
            runUbaspring(scoreArgs("dl2hbx-80m-cw.adi", {"--cabrillo", "--yes"}), place);
        ASSERT_EQ(second.exitStatus, 0) << second.err;
        EXPECT_EQ(second.out, golden("dl2hbx-result.txt"));
        EXPECT_EQ(bytesOf(place / "DL2HBX.cbr"), golden("DL2HBX.cbr"));
        EXPECT_NE(second.err.find("File produced: DL2HBX.cbr"), std::string::npos) << second.err;
    }
}

TEST(SampleLogs, BelgianStationWithItsSectionFromTheSettings) {
    const TempFolder folder;
    fs::create_directories(folder.path() / "contest" / "Plugins");
    fs::copy_file(UBASPRING_FIXTURES_DIR "/belgian-settings.ini",
                  folder.path() / "contest" / "Plugins" / "UBA_Spring.ini");
    const ProcessResult run = runUbaspring(
        scoreArgs("on4bjr-ssb.adi", {"--cabrillo", "--yes", "--dir", "contest"}), folder.path());
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, golden("on4bjr-result.txt"));
    EXPECT_EQ(bytesOf(folder.path() / "contest" / "err.txt"), golden("on4bjr-err.txt"));
    EXPECT_EQ(bytesOf(folder.path() / "contest" / "ON4BJR.cbr"), golden("ON4BJR.cbr"));
    EXPECT_FALSE(fs::exists(folder.path() / "err.txt"));
}

TEST(SampleLogs, OwnCallAndPrefixFromTheCommandLine) {
    const TempFolder folder;
    // Scored as a Belgian station: the table counts DXCC prefixes instead of sections.
    const ProcessResult run = runUbaspring(
        scoreArgs("dl2hbx-80m-cw.adi", {"--call", "ON4BJR", "--prefix", "ON"}), folder.path());
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.out.find("\tQSOs\tPoints\tDXCC\r\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("(own call ON4BJR, prefix ON)"), std::string::npos) << run.err;
}

struct CheckCase {
    const char* name;
    std::vector<std::string> args;
    std::string answer;
};

void PrintTo(const CheckCase& c, std::ostream* out) {
    *out << c.name;
}

class CallCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CallCheck, AnswersInWordsAndCode) {
    const TempFolder folder;
    std::vector<std::string> args = {"check"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    args.insert(args.end(), {kExamples + "/dl2hbx-80m-cw.adi", "--cty", kCountryFile});
    const ProcessResult run = runUbaspring(args, folder.path());
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    ForeignLog, CallCheck,
    ::testing::Values(CheckCase{"Duplicate",
                                {"ON4LGV", "--band", "80m"},
                                "ON4LGV on 80m (prefix ON): duplicate (0)\n"},
                      CheckCase{"BandInCapitals",
                                {"ON4LGV", "--band", "80M"},
                                "ON4LGV on 80m (prefix ON): duplicate (0)\n"},
                      CheckCase{"SectionWorked",
                                {"ON4AAA", "--band", "80m", "--exchange", "001 LGE"},
                                "ON4AAA on 80m (prefix ON): no new multiplier (1)\n"},
                      CheckCase{"NewSection",
                                {"ON4AAA", "--band", "80m", "--exchange", "001 ZTM"},
                                "ON4AAA on 80m (prefix ON): new multiplier (2)\n"},
                      CheckCase{"NotBelgian",
                                {"PA3XYZ", "--band", "80m"},
                                "PA3XYZ on 80m (prefix PA): not valid here (4)\n"},
                      CheckCase{"PrefixGiven",
                                {"PA3XYZ", "--band", "80m", "--prefix", "ON", "--exchange", "7AAA"},
                                "PA3XYZ on 80m (prefix ON): new multiplier (2)\n"}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

struct BadInputCase {
    const char* name;
    std::vector<std::string> args;
    std::string message; // part of the one line on standard error
};

void PrintTo(const BadInputCase& c, std::ostream* out) {
    *out << c.name;
}

class BadInput : public ::testing::TestWithParam<BadInputCase> {};

TEST_P(BadInput, OneLineExitStatusTwoAndNothingWritten) {
    const TempFolder folder;
    writeFile(folder.path() / "empty.adi", "");
    writeFile(folder.path() / "log.cbr", "START-OF-LOG: 3.0\nQSO: 3535 CW 2025-03-09 0701\n");
    writeFile(folder.path() / "nocall.adi", "<CALL:6>ON4LGV<BAND:3>80m<EOR>\n");
    writeFile(folder.path() / "cty.dat", "not a country file\n");
    const ProcessResult run = runUbaspring(GetParam().args, folder.path());
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(lineCount(run.err), 1u) << run.err;
    EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"cty.dat", "empty.adi", "log.cbr", "nocall.adi"}));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, BadInput,
    ::testing::Values(
        BadInputCase{"NoCommand", {}, "no command"},
        BadInputCase{"UnknownCommand", {"scores", "log.adi"}, "unknown command 'scores'"},
        BadInputCase{
            "UnknownOption", {"score", "log.adi", "--cabrilo"}, "unknown option '--cabrilo'"},
        BadInputCase{"MissingOptionValue", {"score", "log.adi", "--call"}, "--call needs a value"},
        BadInputCase{"MissingBand", {"check", "ON4LGV", "log.adi"}, "no band"},
        BadInputCase{"MissingLog", {"score"}, "no log file"},
        BadInputCase{"YesWithoutCabrillo", {"score", "log.adi", "--yes"}, "--yes only goes with"},
        BadInputCase{"UnreadableFile", {"score", "missing.adi"}, "cannot read missing.adi"},
        BadInputCase{"EmptyFile", {"score", "empty.adi"}, "empty.adi is empty"},
        BadInputCase{"NotAdif", {"score", "log.cbr"}, "log.cbr is not an ADIF log"},
        BadInputCase{
            "NotACountryFile", {"score", "nocall.adi", "--cty", "cty.dat"}, "not a country file"},
        BadInputCase{"NoOwnCallInLog",
                     {"check", "ON4AAA", "--band", "80m", "nocall.adi", "--prefix", "ON", "--cty",
                      UBASPRING_FIXTURES_DIR "/cty.dat"},
                     "names no own callsign"},
        BadInputCase{"MissingCountryFile",
                     {"score", "nocall.adi", "--cty", "none.dat"},
                     "cannot read the country file none.dat"}),
    [](const ::testing::TestParamInfo<BadInputCase>& info) {
        return std::string(info.param.name);
    });

TEST(Help, EachCommandDescribesItsOptions) {
    const TempFolder folder;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"score", "--cabrillo"}, {"check", "--exchange"}, {"setup", "--dir"}};
    for (const auto& [command, option] : cases) {
        const ProcessResult run = runUbaspring({command, "--help"}, folder.path());
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.out.rfind("usage: ubaspring " + command, 0), 0u) << run.out;
        EXPECT_NE(run.out.find(option), std::string::npos) << command;
    }
    const ProcessResult overview = runUbaspring({"--help"}, folder.path());
    EXPECT_EQ(overview.exitStatus, 0);
    EXPECT_NE(overview.out.find("ubaspring setup"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST(PluginPath, AMissingLibraryIsNamedAndNothingIsWritten) {
    const TempFolder folder;
    const ProcessResult run = runUbaspring(
        scoreArgs("dl2hbx-80m-cw.adi", {"--plugin", "nowhere/Stats.so"}), folder.path());
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.err.find("cannot load the plug-in"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

} // namespace
} // namespace ubaspring::test
