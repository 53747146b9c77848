// The exported boundary as a host sees it: names, addresses, constant answers, null pointers.
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace stats::test {
namespace {

class Exports : public ContestTest {};

TEST_F(Exports, EveryFunctionHasItsPlainAndDecoratedNameAtOneAddress) {
    for (const ExportName& name : kExportNames) {
        void* plain = plugin().symbol(name.plain);
        ASSERT_NE(plain, nullptr) << name.plain;
        EXPECT_EQ(plugin().symbol(name.decorated), plain) << name.decorated;
    }
    EXPECT_NE(plugin().symbol("SetDialogHandler"), nullptr);
    EXPECT_NE(plugin().symbol("SetMessageHandler"), nullptr);
}

TEST_F(Exports, OneContestSetNamedUbaSpring) {
    EXPECT_EQ(plugin().GetNumberOfSets(), 1);
    EXPECT_STREQ(plugin().GetSetName(0), "UBA Spring Contest (C)");
    for (const int other : {1, -1, 1000}) {
        const char* name = plugin().GetSetName(other);
        ASSERT_NE(name, nullptr);
        EXPECT_STREQ(name, "");
    }
}

TEST_F(Exports, ExchangeQueriesAlwaysAnswerOne) {
    EXPECT_EQ(plugin().GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_EQ(plugin().GetExchgCount0("a", "b", "c"), 1);
    EXPECT_EQ(plugin().IsValidExchg0(nullptr, nullptr, nullptr, nullptr, -1, 0, 7), 1);
}

TEST_F(Exports, NullPointersReadAsEmptyTextsAndNullDates) {
    // Every text, date and buffer pointer null: nothing crashes and the answers are the ones the
    // empty texts give.
    EXPECT_EQ(plugin().ResetStats0(nullptr, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0,
                                   0, 0, 0.0, 0.0, nullptr, nullptr, nullptr),
              1);
    EXPECT_EQ(plugin().AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 3550000,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr,
                                nullptr),
              0);
    EXPECT_EQ(errorLog(), "UBA Spring TEST UBN file \r\n"
                          "QSO:  3550                   NO CONTEST BAND !!!\r\n");
    EXPECT_EQ(plugin().RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                                   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr, nullptr,
                                   nullptr),
              0);
    EXPECT_EQ(plugin().CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0,
                                  0.0, 0.0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  nullptr, nullptr, nullptr),
              1);
    EXPECT_NE(plugin().GetResult0(nullptr), nullptr);
}

TEST_F(Exports, NullQsoTextsAreStoredAsEmptyTexts) {
    reset();
    COleDateTime time{42442.5, 0};
    EXPECT_EQ(plugin().AddData0(nullptr, nullptr, &time, nullptr, nullptr, nullptr, 0, 3550000,
                                "CW", nullptr, nullptr, "001", "5", nullptr, nullptr, nullptr,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0,
                                0, 0.0, 0.0, nullptr, nullptr, nullptr, "80m", nullptr),
              1);
    // An empty call is stored but never counted.
    EXPECT_EQ(result(), "\t    UBA Spring Contest \r\n\tQSOs\tPoints\tUBA Section\r\n"
                        "80m\t 0\t 0\t    0\r\nTotal\t 0\t 0\t    0\r\n\r\nScore: 0*0 = 0\r\n\r\n"
                        "UBA Spring Contest scoring plug-in, version 1.0.0");
}

TEST_F(Exports, ResultWithCabrilloOutputAndANullArgumentDoesNotCrash) {
    plugin().SetDialogHandler([](void*, StatsDialog*) { return 1; }, nullptr);
    plugin().SetMessageHandler([](void*, const char*, const char*) {}, nullptr);
    reset("DL", 1);
    add({});
    EXPECT_NE(plugin().GetResult0(nullptr), nullptr);
    EXPECT_TRUE(std::filesystem::exists("DL1ABC.cbr"));
}

TEST_F(Exports, EachLoadStartsFromTheInitialState) {
    reset("ON");
    add({});
    std::filesystem::create_directory(folder() / "second");
    PluginLibrary second(folder() / "second");
    // A fresh copy knows nothing of the first one's contest or Belgian flag.
    int untouched = 7;
    const std::string text = second.GetResult0(&untouched);
    EXPECT_NE(text.find("UBA Spring Contest \r\n"), std::string::npos);
    EXPECT_NE(text.find("Total\t 0\t 0\t    0\r\n"), std::string::npos);
    EXPECT_EQ(untouched, 7);
}

} // namespace
} // namespace stats::test
