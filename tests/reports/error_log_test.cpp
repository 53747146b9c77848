// The error log's life across contest starts.
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

namespace stats::test {
namespace {

class ErrorLogFile : public ContestTest {};

TEST_F(ErrorLogFile, EachStartReplacesWhateverTheFileHeld) {
    writeBytes("err.txt", "old contest\r\nQSO:  old line\r\n");
    reset();
    EXPECT_EQ(errorLog(), "UBA Spring TEST UBN file \r\n");
    Qso qso;
    qso.band = "40m";
    add(qso);
    reset();
    EXPECT_EQ(errorLog(), "UBA Spring TEST UBN file \r\n");
}

TEST_F(ErrorLogFile, AStartThatCannotWriteTheFileGoesOn) {
    std::filesystem::create_directory("err.txt");
    EXPECT_EQ(reset("ON"), 1);
    EXPECT_TRUE(std::filesystem::is_directory("err.txt"));
    EXPECT_NE(result().find("UBA Contest Contest"), std::string::npos);
}

TEST_F(ErrorLogFile, RemovalWritesNothing) {
    reset();
    Qso qso;
    add(qso);
    add(qso);
    const std::string before = errorLog();
    remove(qso);
    remove(qso);
    EXPECT_EQ(errorLog(), before);
}

} // namespace
} // namespace stats::test
