#include "platform/ini_text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace stats::ini {
namespace {

struct FindCase {
    const char* content;
    const char* key;
    std::optional<std::string> value;

    friend void PrintTo(const FindCase& c, std::ostream* out) {
        *out << c.key << " in " << c.content;
    }
};

class IniFind : public ::testing::TestWithParam<FindCase> {};

TEST_P(IniFind, ReadsAsTheWindowsFunctionsDo) {
    EXPECT_EQ(find(GetParam().content, "Settings", GetParam().key), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFind,
    ::testing::Values(FindCase{"[Settings]\r\nMode=CW\r\n", "Mode", "CW"},
                      FindCase{"[Settings]\nMode=CW\n", "Mode", "CW"},
                      FindCase{"[settings]\r\nmode=CW\r\n", "MODE", "CW"},
                      FindCase{"[ Settings ]\r\n  Mode  =  C W  \r\n", "Mode", "C W"},
                      FindCase{"[Settings]\r\nName=\"Jan Peeters\"\r\n", "Name", "Jan Peeters"},
                      FindCase{"[Settings]\r\nMode=\r\n", "Mode", ""},
                      FindCase{"[Settings]\r\nMode=CW", "Mode", "CW"},
                      FindCase{"\xEF\xBB\xBF[Settings]\r\nMode=CW\r\n", "Mode", "CW"},
                      FindCase{"[Other]\r\nMode=CW\r\n", "Mode", std::nullopt},
                      FindCase{"Mode=CW\r\n[Settings]\r\n", "Mode", std::nullopt},
                      FindCase{"[Settings]\r\nModeX=CW\r\n", "Mode", std::nullopt},
                      FindCase{"[Settings]\r\nMode=CW\r\n[Settings]\r\nMode=SSB\r\n", "Mode", "CW"},
                      FindCase{"", "Mode", std::nullopt}));

TEST(IniStore, CreatesSectionAndKeyInAnEmptyFile) {
    EXPECT_EQ(store("", "Settings", "Mode", "CW"), "[Settings]\r\nMode=CW\r\n");
}

TEST(IniStore, ReplacesTheValueAndKeepsEveryOtherLine) {
    const std::string before = "; comment\n[Other]\nMode=x\n\n[Settings]\r\nProvince=LGE\r\n"
                               "mode = SSB\r\nClaimed=0\n";
    EXPECT_EQ(store(before, "Settings", "Mode", "CW"),
              "; comment\n[Other]\nMode=x\n\n[Settings]\r\nProvince=LGE\r\nMode=CW\r\n"
              "Claimed=0\n");
}

TEST(IniStore, AddsAKeyAtTheEndOfItsSectionBeforeTheNextOne) {
    const std::string before = "[Settings]\r\nProvince=LGE\r\n\r\n[Other]\r\nA=1\r\n";
    EXPECT_EQ(store(before, "Settings", "Mode", "CW"),
              "[Settings]\r\nProvince=LGE\r\nMode=CW\r\n\r\n[Other]\r\nA=1\r\n");
}

TEST(IniStore, AddsTheSectionAfterALastLineWithoutLineBreak) {
    EXPECT_EQ(store("[Other]\nA=1", "Settings", "Mode", "CW"),
              "[Other]\nA=1\r\n\r\n[Settings]\r\nMode=CW\r\n");
}

TEST(IniStore, LineBreaksInAValueCannotStartAnotherKey) {
    const std::string stored = store("", "Settings", "Name", "x\r\n[Evil]\nMode=CW");
    EXPECT_EQ(stored, "[Settings]\r\nName=x  [Evil] Mode=CW\r\n");
    EXPECT_EQ(find(stored, "Settings", "Mode"), std::nullopt);
}

TEST(IniStore, KeepsAByteOrderMark) {
    EXPECT_EQ(store("\xEF\xBB\xBF[Settings]\r\nMode=SSB\r\n", "Settings", "Mode", "CW"),
              "\xEF\xBB\xBF[Settings]\r\nMode=CW\r\n");
}

TEST(IniStore, EveryStoredValueReadsBack) {
    std::string content;
    for (const char* key : {"Province", "Mode", "Multiplier", "Start", "Claimed"}) {
        content = store(content, "Settings", key, std::string(key) + "-value");
    }
    content = store(content, "Settings", "mode", "CW");
    EXPECT_EQ(find(content, "Settings", "Province"), "Province-value");
    EXPECT_EQ(find(content, "Settings", "Mode"), "CW");
    EXPECT_EQ(find(content, "Settings", "Claimed"), "Claimed-value");
}

} // namespace
} // namespace stats::ini
