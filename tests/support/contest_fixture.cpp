#include "tests/support/contest_fixture.h"

#include "platform/ini_text.h"
#include "platform/profile.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace stats::test {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string golden(const std::string& name) {
    const std::filesystem::path path = std::filesystem::path(STATS_GOLDEN_DIR) / name;
    if (!std::filesystem::exists(path)) {
        ADD_FAILURE() << "golden file missing: " << path;
    }
    return readBytes(path);
}

void ContestTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "stats-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    std::filesystem::create_directory(folder_ / "Plugins");
    previousFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_);
    plugin_ = std::make_unique<PluginLibrary>(folder_);
}

void ContestTest::TearDown() {
    plugin_.reset();
    std::filesystem::current_path(previousFolder_);
    std::error_code ignored;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

int ContestTest::reset(const char* ownPrefix, int cabrillo, const char* ownCall) {
    return plugin_->ResetStats0("", cabrillo, ownCall, nullptr, nullptr, "", "", "", "", "", "", "",
                                "", "", ownPrefix, 0, 0, 0, 0.0, 0.0, "", "", "");
}

namespace {

int callWith(QsoFn function, const Qso& q) {
    COleDateTime time = q.time.value_or(COleDateTime{});
    return callQsoExport(function, {q.ownCall.c_str(), q.call.c_str(), q.time ? &time : nullptr,
                                    q.frequencyHz, q.mode.c_str(), q.rstSent.c_str(),
                                    q.rstReceived.c_str(), q.exchangeSent.c_str(),
                                    q.exchangeReceived.c_str(), q.prefix.c_str(), q.band.c_str()});
}

} // namespace

int ContestTest::add(const Qso& qso) {
    return callWith(plugin_->AddData0, qso);
}

int ContestTest::remove(const Qso& qso) {
    return callWith(plugin_->RemoveData0, qso);
}

int ContestTest::check(const Station& s) {
    return plugin_->CheckCall0(s.call, 0, 0, "CW", "", "", "", "", "", "", "", "", s.exchange,
                               s.prefix, 0, 0, 0, 0.0, 0.0, "", "", "", "", "", s.band,
                               s.secondBand, s.buffer, nullptr);
}

std::string ContestTest::result(int* cabrilloDone) {
    int ignored = 0;
    return plugin_->GetResult0(cabrilloDone != nullptr ? cabrilloDone : &ignored);
}

std::optional<std::string> ContestTest::setting(const std::string& key) const {
    return ini::find(settingsBytes(), "Settings", key);
}

void ContestTest::setSetting(const std::string& key, const std::string& value) {
    platform::writeProfileString("Settings", key, value, "Plugins\\UBA_Spring.ini");
}

} // namespace stats::test
