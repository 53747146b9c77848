// Links against the plug-in through C++ declarations of the functions behind the exports: the
// linker finds them only if the library carries the compiler's own decorated names.
#include "platform/date_time.h"

#include <gtest/gtest.h>

#include <cstring>

int GetNumberOfSets();
const char* GetSetName(int);
int StatsGetExchgCount0(const char*, const char*, const char*);
int StatsIsValidExchg0(const char*, const char*, const char*, const char*, int, int, int);
int ResetStats0(const char*, int, const char*, COleDateTime*, COleDateTime*, const char*,
                const char*, const char*, const char*, const char*, const char*, const char*,
                const char*, const char*, const char*, int, int, int, double, double, const char*,
                const char*, const char*);
int AddData0(const char*, const char*, COleDateTime*, COleDateTime*, COleDateTime*, COleDateTime*,
             unsigned, unsigned, const char*, const char*, const char*, const char*, const char*,
             const char*, const char*, const char*, const char*, const char*, const char*,
             const char*, const char*, const char*, const char*, int, int, int, double, double,
             const char*, const char*, const char*, const char*, const char*);
int RemoveData0(const char*, const char*, COleDateTime*, COleDateTime*, COleDateTime*,
                COleDateTime*, unsigned, unsigned, const char*, const char*, const char*,
                const char*, const char*, const char*, const char*, const char*, const char*,
                const char*, const char*, const char*, const char*, const char*, const char*, int,
                int, int, double, double, const char*, const char*, const char*, const char*,
                const char*);
int CheckCallFunc0(const char*, unsigned, unsigned, const char*, const char*, const char*,
                   const char*, const char*, const char*, const char*, const char*, const char*,
                   const char*, const char*, int, int, int, double, double, const char*,
                   const char*, const char*, const char*, const char*, const char*, const char*,
                   char*, char*);
const char* GetResult0(int*);
void SetupSet0();

namespace {

TEST(DecoratedNames, ResolveAtLinkTime) {
    EXPECT_EQ(GetNumberOfSets(), 1);
    EXPECT_STREQ(GetSetName(0), "UBA Spring Contest (C)");
    EXPECT_EQ(StatsGetExchgCount0("", "", ""), 1);
    EXPECT_EQ(StatsIsValidExchg0("", "", "", "", 0, 0, 0), 1);
    // The rest only need to link; taking their addresses makes the linker resolve them.
    const void* functions[] = {
        reinterpret_cast<const void*>(&ResetStats0), reinterpret_cast<const void*>(&AddData0),
        reinterpret_cast<const void*>(&RemoveData0), reinterpret_cast<const void*>(&CheckCallFunc0),
        reinterpret_cast<const void*>(&GetResult0),  reinterpret_cast<const void*>(&SetupSet0)};
    for (const void* function : functions) {
        EXPECT_NE(function, nullptr);
    }
}

} // namespace
