// A process killed while it writes the settings file leaves the file whole: it parses, and it
// holds every value whose write had returned, the one write that was cut off being either fully
// there or not at all.
#include "platform/ini_text.h"
#include "platform/profile.h"
#include "tests/support/contest_fixture.h"

#include <chrono>
#include <csignal>
#include <map>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace stats::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPath = "Plugins\\UBA_Spring.ini";
constexpr int kKills = 200;
constexpr int kKeys = 16;
// A large key makes each write take long enough to be cut off in the middle.
const std::string kPadding(32'000, 'p');

std::string keyOf(long write) {
    return "Key" + std::to_string(write % kKeys);
}
std::string valueOf(long write) {
    return "value of write " + std::to_string(write);
}

// Writes keys from write number first on, telling the parent after each write that returned.
[[noreturn]] void writeForever(long first, int report) {
    for (long write = first;; ++write) {
        if (!platform::writeProfileString("Settings", keyOf(write), valueOf(write), kPath)) {
            ::_exit(3);
        }
        if (::write(report, &write, sizeof write) != sizeof write) {
            ::_exit(4);
        }
    }
}

// The number of the next write that returns (waiting for it), or -1 when the writer is gone.
long nextCompleted(int report) {
    long write = 0;
    return ::read(report, &write, sizeof write) == sizeof write ? write : -1;
}

// Every line is a section or a key with a value, and the file ends with a line break.
bool parses(const std::string& content) {
    std::istringstream lines(content);
    for (std::string line; std::getline(lines, line);) {
        if (line != "[Settings]\r" && line.find('=') == std::string::npos) {
            return false;
        }
    }
    return !content.empty() && content.back() == '\n';
}

// The kills are about processes, not disks: a folder in memory, where there is one, keeps the
// two hundred rounds quick (a rename over a file on ext4 waits for its data to be written).
class KilledWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path memory = "/dev/shm";
        const fs::path base = fs::is_directory(memory) && ::access(memory.c_str(), W_OK) == 0
                                  ? memory
                                  : fs::temp_directory_path();
        std::string pattern = (base / "stats-kill-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        fs::create_directory(folder_ / "Plugins");
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    void TearDown() override {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }
    std::string settingsBytes() const { return readBytes(folder_ / "Plugins" / "UBA_Spring.ini"); }

    fs::path folder_;
    fs::path previous_;
};

TEST_F(KilledWriter, SettingsFileSurvivesKillsAtRandomMoments) {
    ASSERT_TRUE(platform::writeProfileString("Settings", "Padding", kPadding, kPath));
    std::map<std::string, std::string> expected; // what the file must hold
    std::mt19937 random(20160313);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    long next = 0;
    int cutOff = 0; // kills that left a write's temporary file behind

    for (int kill = 0; kill < kKills; ++kill) {
        int channel[2];
        ASSERT_EQ(::pipe(channel), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(channel[0]);
            writeForever(next, channel[1]);
        }
        ::close(channel[1]);
        // The kill falls at a random moment after the first write of this round.
        long last = nextCompleted(channel[0]);
        ASSERT_EQ(last, next) << "the writer failed";
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
        for (long write; (write = nextCompleted(channel[0])) >= 0;) {
            last = write;
        }
        ::close(channel[0]);

        const std::string content = settingsBytes();
        ASSERT_TRUE(parses(content)) << "after kill " << kill;
        ASSERT_EQ(ini::find(content, "Settings", "Padding"), kPadding) << "after kill " << kill;
        for (long write = next; write <= last; ++write) {
            expected[keyOf(write)] = valueOf(write);
        }
        // The write after the last reported one may have reached the file before the kill.
        const long inFlight = last + 1;
        if (ini::find(content, "Settings", keyOf(inFlight)) == valueOf(inFlight)) {
            expected[keyOf(inFlight)] = valueOf(inFlight);
        }
        for (const auto& [key, value] : expected) {
            ASSERT_EQ(ini::find(content, "Settings", key), value) << "after kill " << kill;
        }
        next = inFlight + 1;

        for (const fs::directory_entry& entry : fs::directory_iterator(folder_ / "Plugins")) {
            if (entry.path().filename() != "UBA_Spring.ini") {
                ++cutOff;
                fs::remove(entry.path());
            }
        }
    }
    // The kills did land inside writes, and between them the writer made progress.
    EXPECT_GT(cutOff, 0);
    EXPECT_GT(next, 2 * kKills);
    std::cout << "[ kills    ] " << kKills << ", " << cutOff << " of them inside a write, " << next
              << " writes\n";
}

} // namespace
} // namespace stats::test
