#include "host/adif_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace ubaspring {
namespace {

// Records as "NAME=value|NAME=value" joined by ";", so that a case reads on one line.
std::string describe(const AdifLog& log) {
    std::string text;
    for (const AdifRecord& record : log.records) {
        if (!text.empty()) {
            text += ';';
        }
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            text += (i > 0 ? "|" : "") + std::string(record.fields[i].name) + "=" +
                    std::string(record.fields[i].value);
        }
    }
    return text;
}

struct ReaderCase {
    const char* name;
    std::string bytes;
    std::string records;
    std::size_t problems;
};

void PrintTo(const ReaderCase& c, std::ostream* out) {
    *out << c.name;
}

class AdifReaderCases : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(AdifReaderCases, ReadsRecordsAndReportsProblems) {
    const ReaderCase& c = GetParam();
    const AdifLog log = parseAdif(c.bytes);
    EXPECT_EQ(describe(log), c.records);
    EXPECT_EQ(log.problems.size(), c.problems);
    for (const AdifProblem& problem : log.problems) {
        EXPECT_FALSE(problem.message.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tricky, AdifReaderCases,
    ::testing::Values(
        ReaderCase{"HeaderWithFieldsSkipped",
                   "Exported log\n<ADIF_VER:5>3.1.4 <PROGRAMID:4>Test\n<EOH>\n"
                   "<CALL:6>ON4ABC <BAND:3>80M <EOR>\n",
                   "CALL=ON4ABC|BAND=80M", 0},
        ReaderCase{"NoHeaderWhenFirstByteIsATag", "<CALL:5>F6KQB<EOR><CALL:5>G3WZP<EOR>",
                   "CALL=F6KQB;CALL=G3WZP", 0},
        ReaderCase{"NamesAndMarkersInAnyCase", "<call:6>ON4ABC<Band:3>80m<eoR>",
                   "call=ON4ABC|Band=80m", 0},
        ReaderCase{"LengthCountsBytesNotText", "<CALL:4>ON4ABC<MODE:2>CW<EOR>", "CALL=ON4A|MODE=CW",
                   0},
        ReaderCase{"DataMayHoldTagCharacters", "<COMMENT:11>a <EOR> b>c<CALL:5>F6KQB<EOR>",
                   "COMMENT=a <EOR> b>c|CALL=F6KQB", 0},
        ReaderCase{"TypeIndicatorAndEmptyValue", "<FREQ:6:N>3.5312<NAME:0><EOR>",
                   "FREQ=3.5312|NAME=", 0},
        ReaderCase{"NonAsciiBytesCountedOneByOne", "<NAME:5>Zo\xC3\xAB\x65<QTH:3>\xE9t\xE9<EOR>",
                   "NAME=Zo\xC3\xAB\x65|QTH=\xE9t\xE9", 0},
        ReaderCase{"CrLfAndEmptyRecords", "<EOH>\r\n<EOR>\r\n<CALL:5>F6KQB\r\n<EOR>\r\n<EOR>",
                   "CALL=F6KQB", 0},
        ReaderCase{"LastRecordWithoutEorIsKeptAndReported", "<CALL:5>F6KQB<EOR><CALL:5>G3WZP\n",
                   "CALL=F6KQB;CALL=G3WZP", 1},
        ReaderCase{"FieldRunningPastTheEndDropsItsRecord", "<CALL:5>F6KQB<EOR><CALL:9>G3WZP",
                   "CALL=F6KQB", 1},
        ReaderCase{"TagNotClosedAtTheEnd", "<CALL:5>F6KQB<EOR><CALL:5", "CALL=F6KQB", 1},
        ReaderCase{"BadLengthSkipsTheField", "<CALL:x5>F6KQB<BAND:3>80m<EOR>", "BAND=80m", 1},
        ReaderCase{"StrayTextBeforeRecordsWithoutEoh", "\xEF\xBB\xBF<CALL:5>F6KQB<EOR>",
                   "CALL=F6KQB", 1},
        ReaderCase{"HeaderWithoutEohHoldsNoRecords", "just some text\nno tags here\n", "", 1},
        ReaderCase{"CabrilloIsNotAdif", "START-OF-LOG: 3.0\nQSO: 3535 CW 2025-03-09 0701\n", "",
                   1}),
    [](const ::testing::TestParamInfo<ReaderCase>& info) { return std::string(info.param.name); });

TEST(AdifReader, RecordOffsetPointsAtItsFirstTagAndFieldsAreFoundByName) {
    const std::string bytes = "Log\n<EOH>\n<CALL:5>F6KQB<STX:2>12<EOR>\n";
    const AdifLog log = parseAdif(bytes);
    ASSERT_EQ(log.records.size(), 1u);
    EXPECT_TRUE(log.hasHeader);
    EXPECT_EQ(log.records[0].offset, bytes.find("<CALL"));
    EXPECT_EQ(log.records[0].find("STX"), "12");
    EXPECT_EQ(log.records[0].find("stx"), "12");
    EXPECT_EQ(log.records[0].find("SRX"), std::nullopt);
}

TEST(AdifReader, ProblemOffsetPointsAtTheCutRecord) {
    const std::string bytes = "<CALL:5>F6KQB<EOR>\n<CALL:5>G3WZP";
    const AdifLog log = parseAdif(bytes);
    ASSERT_EQ(log.problems.size(), 1u);
    EXPECT_EQ(log.problems[0].offset, bytes.rfind("<CALL"));
}

} // namespace
} // namespace ubaspring
