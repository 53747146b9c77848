// Faults of the folder the host runs in: each one leaves the plug-in answering exactly as in a
// healthy folder, telling the operator about every Cabrillo file, and losing nothing that was on
// disk before.
#include "tests/hardening/contest_in_child.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace stats::test {
namespace {

namespace fs = std::filesystem;

// Bigger than the file size limit of the full-disk case, so that no rewrite of it fits.
const std::string kSettings = "[Settings]\r\nOperators=ON4SEED\r\nMode=SSB\r\nProvince=LGE\r\n"
                              "Padding=" +
                              std::string(2000, 'p') + "\r\n";
constexpr rlim_t kFileSizeLimit = 512;

const fs::path kSettingsFile = fs::path("Plugins") / "UBA_Spring.ini";
const fs::path kCabrilloFile = "DL1ABC.cbr";

bool isRoot() {
    return ::geteuid() == 0;
}

struct Fault {
    const char* name;
    std::function<void()> apply; // in the child, in the test's folder
    bool cabrilloWritten;        // else the message says why the file was not produced
};

class FileSystemFaults : public ContestInChild {
  protected:
    void SetUp() override {
        ContestInChild::SetUp();
        writeBytes(settingsPath(), kSettings);
        healthy_ = playHealthy(kSettings);
        ASSERT_FALSE(healthy_.calls.empty());
    }

    // Plays the contest with the fault and checks what every fault has in common.
    Transcript playWith(const Fault& fault) {
        const Transcript faulty = playInChild(fault.apply);
        EXPECT_EQ(faulty.calls, healthy_.calls);
        EXPECT_EQ(faulty.messages.size(), healthy_.messages.size());
        for (const std::string& message : faulty.messages) {
            if (fault.cabrilloWritten) {
                EXPECT_EQ(message, "File produced: DL1ABC.cbr");
            } else {
                EXPECT_EQ(message.rfind("File not produced: DL1ABC.cbr: ", 0), 0u) << message;
            }
        }
        return faulty;
    }

    std::string healthyErrorLog() const { return readBytes(healthyFolder() / "err.txt"); }

    Transcript healthy_;
};

TEST_F(FileSystemFaults, HealthyRunWritesEveryFile) {
    // The yardstick of the other cases.
    EXPECT_EQ(healthy_.messages, std::vector<std::string>(2, "File produced: DL1ABC.cbr"));
    EXPECT_NE(healthyErrorLog().find("NO CONTEST BAND"), std::string::npos);
    EXPECT_NE(readBytes(healthyFolder() / kCabrilloFile).find("OPERATORS: ON4SEED\r\n"),
              std::string::npos);
}

TEST_F(FileSystemFaults, PluginsFolderMissing) {
    playWith({"no Plugins folder", [] { fs::remove_all("Plugins"); }, true});
    EXPECT_FALSE(fs::exists("Plugins")) << "the plug-in never creates the folder";
    EXPECT_EQ(errorLog(), healthyErrorLog());
    // Without settings the header falls back to the callsign.
    EXPECT_NE(readBytes(kCabrilloFile).find("OPERATORS: DL1ABC\r\n"), std::string::npos);
}

TEST_F(FileSystemFaults, SettingsFileReadOnly) {
    playWith({"read-only settings", [] { fs::permissions(kSettingsFile, fs::perms::owner_read); },
              true});
    EXPECT_EQ(settingsBytes(), kSettings);
    // Reads still work.
    EXPECT_NE(readBytes(kCabrilloFile).find("OPERATORS: ON4SEED\r\n"), std::string::npos);
}

TEST_F(FileSystemFaults, ErrorLogReadOnly) {
    playWith({"read-only err.txt",
              [] {
                  writeBytes("err.txt", "old\r\n");
                  fs::permissions("err.txt", fs::perms::owner_read);
              },
              true});
    // Permission bits do not stop root; anyone else's log stays as it was.
    EXPECT_EQ(errorLog(), isRoot() ? healthyErrorLog() : "old\r\n");
}

TEST_F(FileSystemFaults, ErrorLogIsAFolder) {
    playWith({"err.txt a folder", [] { fs::create_directory("err.txt"); }, true});
    EXPECT_TRUE(fs::is_directory("err.txt"));
}

TEST_F(FileSystemFaults, CabrilloFolderReadOnly) {
    // Root writes into a read-only folder, so there a folder takes the Cabrillo file's name.
    playWith({"no Cabrillo file",
              [] {
                  if (isRoot()) {
                      fs::create_directory(kCabrilloFile);
                  } else {
                      fs::permissions(".", fs::perms::owner_read | fs::perms::owner_exec);
                  }
              },
              false});
    EXPECT_FALSE(fs::is_regular_file(kCabrilloFile));
}

TEST_F(FileSystemFaults, DiskFull) {
    // Every file may grow to 512 bytes and no further; a write beyond fails with EFBIG.
    playWith({"disk full",
              [] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit limit{kFileSizeLimit, kFileSizeLimit};
                  ::setrlimit(RLIMIT_FSIZE, &limit);
              },
              false});
    EXPECT_EQ(settingsBytes(), kSettings) << "the settings file must stay whole";
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator("Plugins")) {
        files.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(files, std::vector<std::string>{"UBA_Spring.ini"}) << "no temporary file left";
    EXPECT_LE(fs::file_size("err.txt"), kFileSizeLimit);
}

} // namespace
} // namespace stats::test
