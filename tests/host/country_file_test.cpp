#include "host/country_file.h"
#include "host/file_bytes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace ubaspring {
namespace {

const CountryFile& fixture() {
    static const CountryFile file = [] {
        const FileBytes text = readFileBytes(UBASPRING_FIXTURES_DIR "/cty.dat");
        EXPECT_TRUE(text.bytes.has_value()) << text.error;
        return CountryFile::parse(text.bytes.value_or(""));
    }();
    return file;
}

struct LookupCase {
    const char* call;
    std::optional<std::string> prefix;
};

void PrintTo(const LookupCase& c, std::ostream* out) {
    *out << c.call;
}

class CountryLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(CountryLookup, FindsThePrimaryPrefix) {
    EXPECT_EQ(fixture().prefixOf(GetParam().call), GetParam().prefix) << GetParam().call;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CountryLookup,
    ::testing::Values(
        // Every Belgian series is the entity ON.
        LookupCase{"ON4LGV", "ON"}, LookupCase{"OO6KVR", "ON"}, LookupCase{"OQ5MCW", "ON"},
        LookupCase{"OT3RBX", "ON"}, LookupCase{" on4lgv ", "ON"},
        // Entities marked '*' lose the mark; the longest prefix wins.
        LookupCase{"IT9GSF", "IT9"}, LookupCase{"IG9ABC", "IG9"}, LookupCase{"IK2KMR", "I"},
        LookupCase{"HB0XYZ", "HB0"}, LookupCase{"HB9DRZ", "HB"}, LookupCase{"R9ABC", "UA9"},
        LookupCase{"9A5NN", "9A"},
        // Exact calls beat prefixes, also with zone overrides after them.
        LookupCase{"IQ1QQ/9", "IT9"}, LookupCase{"IO9Y", "IG9"}, LookupCase{"OQ5TST/SUB", "ON"},
        LookupCase{"RA3CQ/9/M", "UA9"}, LookupCase{"SP1NY/MM", "SP"},
        // Portable calls: a prefix before or after the call, operating suffixes ignored.
        LookupCase{"PA/ON4ABC", "PA"}, LookupCase{"ON4ABC/PA", "PA"}, LookupCase{"ON4NBK/P", "ON"},
        LookupCase{"DL/ON7XP/P", "DL"}, LookupCase{"ON4ABC/IT9", "IT9"},
        LookupCase{"F/ON4ABC/QRP", "F"}, LookupCase{"UA9XYZ/3", "UA"},
        // Not in the file at all.
        LookupCase{"XX1ABC", std::nullopt}, LookupCase{"", std::nullopt}));

TEST(CountryFile, ReadsEveryEntityOfTheFixture) {
    EXPECT_EQ(fixture().entityCount(), 16u);
}

TEST(CountryFile, TextWithoutEntitiesGivesAnEmptyFile) {
    EXPECT_EQ(CountryFile::parse("").entityCount(), 0u);
    EXPECT_EQ(CountryFile::parse("<CALL:5>F6KQB<EOR>").entityCount(), 0u);
    EXPECT_FALSE(CountryFile::parse("no;entities;here").prefixOf("ON4ABC"));
}

TEST(CountryFile, ReadsLfLinesAndAliasesOnSeveralLines) {
    const CountryFile file =
        CountryFile::parse("Belgium: 14: 27: EU: 50.70: -4.85: -1.0: ON:\n    ON,OO,\n    OT;\n"
                           "Sicily: 15: 28: EU: 37.50: -14.00: -1.0: *IT9:\n    IT9;\n");
    EXPECT_EQ(file.entityCount(), 2u);
    EXPECT_EQ(file.prefixOf("OT3RBX"), "ON");
    EXPECT_EQ(file.prefixOf("IT9GSF"), "IT9");
}

struct GuessCase {
    const char* call;
    const char* prefix;
};

void PrintTo(const GuessCase& c, std::ostream* out) {
    *out << c.call;
}

class PrefixGuess : public ::testing::TestWithParam<GuessCase> {};

TEST_P(PrefixGuess, WithoutCountryFile) {
    EXPECT_EQ(guessPrefix(GetParam().call), GetParam().prefix) << GetParam().call;
}

INSTANTIATE_TEST_SUITE_P(Calls, PrefixGuess,
                         ::testing::Values(GuessCase{"ON4LGV", "ON"}, GuessCase{"OT3RBX", "ON"},
                                           GuessCase{"OO6KVR", "ON"}, GuessCase{"OU2AB", "OU"},
                                           GuessCase{"DL2HBX", "DL"}, GuessCase{"F6KQB", "F"},
                                           GuessCase{"9A5NN", "9A"}, GuessCase{"PA/ON4ABC", "PA"},
                                           GuessCase{"ON4NBK/P", "ON"}, GuessCase{"", ""}));

} // namespace
} // namespace ubaspring
