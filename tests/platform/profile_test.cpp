#include "platform/profile.h"
#include "tests/support/contest_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace stats::platform {
namespace {

namespace fs = std::filesystem;
using test::readBytes;

constexpr const char* kPath = "Plugins\\UBA_Spring.ini";

class ProfileFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "stats-profile-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        previous_ = fs::current_path();
        fs::current_path(folder_);
        fs::create_directory("Plugins");
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    fs::path folder_;
    fs::path previous_;
};

TEST_F(ProfileFile, BackslashPathIsAFolderBelowTheCurrentDirectory) {
    EXPECT_TRUE(writeProfileString("Settings", "Mode", "CW", kPath));
    EXPECT_EQ(readBytes("Plugins/UBA_Spring.ini"), "[Settings]\r\nMode=CW\r\n");
    EXPECT_EQ(readProfileString("Settings", "mode", "x", kPath), "CW");
}

TEST_F(ProfileFile, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(readProfileString("Settings", "Mode", "dflt", kPath), "dflt");
    ASSERT_TRUE(writeProfileString("Other", "Mode", "CW", kPath));
    EXPECT_EQ(readProfileString("Settings", "Mode", "dflt", kPath), "dflt");
    EXPECT_EQ(readProfileString("Other", "Name", "", kPath), "");
}

TEST_F(ProfileFile, LongValuesReadBackWhole) {
    for (const std::size_t length : {99u, 100u, 150u, 10000u}) {
        const std::string value(length, 'x');
        ASSERT_TRUE(writeProfileString("Settings", "SoapBox", value, kPath));
        EXPECT_EQ(readProfileString("Settings", "SoapBox", "", kPath), value) << length;
    }
}

TEST_F(ProfileFile, WithoutThePluginsFolderWritesAreLostAndNothingIsCreated) {
    fs::remove("Plugins");
    EXPECT_FALSE(writeProfileString("Settings", "Mode", "CW", kPath));
    EXPECT_FALSE(fs::exists("Plugins"));
    EXPECT_EQ(readProfileString("Settings", "Mode", "", kPath), "");
}

TEST_F(ProfileFile, ReadOnlyFileIsLeftAsItWas) {
    ASSERT_TRUE(writeProfileString("Settings", "Mode", "SSB", kPath));
    ::chmod("Plugins/UBA_Spring.ini", 0444);
    EXPECT_FALSE(writeProfileString("Settings", "Mode", "CW", kPath));
    EXPECT_EQ(readProfileString("Settings", "Mode", "", kPath), "SSB");
}

TEST_F(ProfileFile, AWriteLeavesNoTemporaryFileAndKeepsThePermissions) {
    ASSERT_TRUE(writeProfileString("Settings", "Mode", "SSB", kPath));
    ::chmod("Plugins/UBA_Spring.ini", 0640);
    ASSERT_TRUE(writeProfileString("Settings", "Mode", "CW", kPath));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("Plugins")) {
        ++files;
    }
    EXPECT_EQ(files, 1u);
    struct stat status {};
    ASSERT_EQ(::stat("Plugins/UBA_Spring.ini", &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST_F(ProfileFile, FilesWrittenByOtherToolsAreKept) {
    test::writeBytes("Plugins/UBA_Spring.ini", "# by hand\n[Settings]\nProvince=LGE\nName=Jan");
    ASSERT_TRUE(writeProfileString("Settings", "Mode", "CW", kPath));
    EXPECT_EQ(readBytes("Plugins/UBA_Spring.ini"),
              "# by hand\n[Settings]\nProvince=LGE\nName=Jan\r\nMode=CW\r\n");
}

} // namespace
} // namespace stats::platform
