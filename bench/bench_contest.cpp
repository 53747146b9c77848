#include "bench/bench_contest.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace stats::bench {
namespace {

int confirm(void*, StatsDialog*) {
    return 1;
}
void swallow(void*, const char*, const char*) {}

std::filesystem::path makeFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "stats-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    std::filesystem::create_directory(std::filesystem::path(pattern) / "Plugins");
    return pattern;
}

} // namespace

BenchContest::BenchContest(bool cabrillo)
    : cabrillo_(cabrillo), folder_(makeFolder()),
      plugin_(std::make_unique<test::PluginLibrary>(folder_)) {
    plugin_->SetDialogHandler(confirm, nullptr);
    plugin_->SetMessageHandler(swallow, nullptr);
    enter();
    reset();
}

BenchContest::~BenchContest() {
    plugin_.reset();
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void BenchContest::enter() const {
    std::filesystem::current_path(folder_);
}

int BenchContest::reset() {
    return plugin_->ResetStats0("", cabrillo_ ? 1 : 0, kOwnCall, nullptr, nullptr, "", "", "", "",
                                "", "", "", "", "", kOwnPrefix, 0, 0, 0, 0.0, 0.0, "", "", "");
}

namespace {

int callWith(test::QsoFn function, const BenchQso& q) {
    COleDateTime time = q.time;
    return test::callQsoExport(function,
                               {kOwnCall, q.call.c_str(), &time, q.frequencyHz, q.mode.c_str(),
                                q.rstSent.c_str(), q.rstReceived.c_str(), q.exchangeSent.c_str(),
                                q.exchangeReceived.c_str(), q.prefix.c_str(), q.band.c_str()});
}

} // namespace

int BenchContest::add(const BenchQso& qso) {
    return callWith(plugin_->AddData0, qso);
}

int BenchContest::remove(const BenchQso& qso) {
    return callWith(plugin_->RemoveData0, qso);
}

int BenchContest::check(const char* call, const char* band, const char* prefix) {
    char buffer[50] = "";
    return plugin_->CheckCall0(call, 0, 0, "CW", "", "", "", "", "", "", "", "", "", prefix, 0, 0,
                               0, 0.0, 0.0, "", "", "", "", "", band, band, buffer, nullptr);
}

const char* BenchContest::result(int* cabrilloDone) {
    return plugin_->GetResult0(cabrilloDone);
}

FilledContest::FilledContest(std::size_t size, bool cabrillo) : contest(cabrillo) {
    QsoGenerator generator = benchGenerator(size);
    log.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        log.push_back(generator.next());
        contest.add(log.back());
    }
    for (int i = 0; i < 1024; ++i) {
        more.push_back(generator.next());
    }
}

FilledContest& ContestShelf::filled(std::size_t size, bool cabrillo) {
    auto& slot = contests_[{size, cabrillo}];
    if (!slot) {
        slot = std::make_unique<FilledContest>(size, cabrillo);
    }
    slot->contest.enter();
    return *slot;
}

} // namespace stats::bench
