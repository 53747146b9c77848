#include "scoring/exchange.h"
#include "scoring/section_table.h"

#include <gtest/gtest.h>

#include <ostream>

namespace stats {
namespace {

struct BelgianCase {
    const char* received;
    const char* normalised;
    const char* section; // the looked-up text
    bool acceptable;

    friend void PrintTo(const BelgianCase& c, std::ostream* out) {
        *out << '"' << c.received << '"';
    }
};

class BelgianExchange : public ::testing::TestWithParam<BelgianCase> {};

TEST_P(BelgianExchange, SerialPaddedAndSectionKept) {
    const BelgianCase& c = GetParam();
    const ReceivedExchange exchange = normaliseBelgianExchange(c.received);
    EXPECT_EQ(exchange.normalised, c.normalised);
    EXPECT_EQ(exchange.section, c.section);
    EXPECT_EQ(isAcceptableSection(exchange.section), c.acceptable);
}

INSTANTIATE_TEST_SUITE_P(Cases, BelgianExchange,
                         ::testing::Values(BelgianCase{"5LGE", "005 LGE", "LGE", true},
                                           BelgianCase{"12 LGE", "012 LGE", "LGE", true},
                                           BelgianCase{"123LGE", "123 LGE", "LGE", true},
                                           BelgianCase{"123 LGE", "123 LGE", "LGE", true},
                                           BelgianCase{"12lge", "012 lge", "LGE", true},
                                           BelgianCase{"001 XYZ", "001 XYZ", "XYZ", false},
                                           BelgianCase{"1 RK", "001 RK", "RK", true},
                                           BelgianCase{"12RK", "012 RK", "RK", true},
                                           BelgianCase{"1234LGE", "1234 LGE", "LGE", true},
                                           BelgianCase{"5", "005", "", false},
                                           BelgianCase{"  7  se ", "007 se", "SE", true},
                                           BelgianCase{"LGE", "LGE", "LGE", true},
                                           BelgianCase{"12-LGE", "12- LGE", "LGE", true},
                                           BelgianCase{"   ", "", "", false}));

TEST(SerialExchange, OneOrTwoCharactersArePaddedToThree) {
    EXPECT_EQ(normaliseSerial("7"), "007");
    EXPECT_EQ(normaliseSerial("42"), "042");
    EXPECT_EQ(normaliseSerial("123"), "123");
    EXPECT_EQ(normaliseSerial("1234"), "1234");
    EXPECT_EQ(normaliseSerial("5LGE"), "5LGE");
}

TEST(SectionTable, AcceptsOnlyExactUpperCaseCodes) {
    for (const char* code : {"LGE", "RK", "SE", "AAA", "ZTM"}) {
        EXPECT_TRUE(isAcceptableSection(code)) << code;
    }
    for (const char* text : {"lge", " LGE", "LG", "2RK", "", "LGEX"}) {
        EXPECT_FALSE(isAcceptableSection(text)) << text;
    }
}

} // namespace
} // namespace stats
