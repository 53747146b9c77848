// Drives the exported functions the way a host could, with whatever texts, pointers, dates and
// numbers the input decodes to, and checks what every host relies on: the documented return
// codes, a result text that is never null, and no file outside the current folder. The engine is
// linked in; each input starts from a freshly loaded module and an empty folder. The target
// works in a temporary folder of its own, so corpus and artifact paths must be absolute.
#include "fuzz/byte_stream.h"
#include "fuzz/require.h"
#include "plugin/exports.h"
#include "plugin/module.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <unistd.h>

namespace stats::fuzz {
namespace {

namespace fs = std::filesystem;

// Texts that open the engine's branches, so that the fuzzer need not guess them.
constexpr std::array<std::string_view, 24> kWords = {
    "80m", "6m",   "2m",    "80M",     "40m",    "CW",     "SSB",  "FM",
    "cw",  "ON",   "IT9",   "IG9",     "DL",     "LGE",    "001",  "5",
    "12",  "1 RK", "12lge", "001 XYZ", "ON4AAA", "DL1ABC", "<CR>", "\r\n[Evil]\r\nMode=CW"};

constexpr std::uint8_t kNullText = 0;
constexpr std::uint8_t kLongText = 0xFF;

// One text argument: null, a word, a long run of one byte, or raw bytes (cut at a zero byte).
class Text {
  public:
    explicit Text(ByteStream& in) {
        const std::uint8_t selector = in.byte();
        if (selector == kNullText) {
            return;
        }
        if (selector <= kWords.size()) {
            value_ = std::string(kWords[selector - 1]);
        } else if (selector == kLongText) {
            const char fill = static_cast<char>(in.byte() | 1);
            value_ = std::string(std::size_t{256} * (in.byte() + 1u), fill); // up to 64 KB
        } else {
            const std::string_view bytes = in.raw(selector - kWords.size());
            value_ = std::string(bytes.substr(0, bytes.find('\0')));
        }
    }
    const char* get() const { return value_ ? value_->c_str() : nullptr; }

  private:
    std::optional<std::string> value_;
};

constexpr std::array<double, 12> kDays = {0.0,
                                          -0.0,
                                          42442.295138888889,
                                          -1.25,
                                          2958465.99999,
                                          -657434.5,
                                          1e300,
                                          -1e300,
                                          std::numeric_limits<double>::quiet_NaN(),
                                          std::numeric_limits<double>::infinity(),
                                          -std::numeric_limits<double>::infinity(),
                                          std::numeric_limits<double>::denorm_min()};

// A date-time argument: a null pointer, or a value with any day count and any status.
class Date {
  public:
    explicit Date(ByteStream& in) {
        const std::uint8_t selector = in.byte();
        if (selector == 0) {
            return;
        }
        value_.emplace();
        value_->m_dt = selector <= kDays.size() ? kDays[selector - 1] : in.integral<double>();
        const std::uint8_t status = in.byte();
        value_->m_status = status < 4 ? status : in.integral<std::int32_t>();
    }
    COleDateTime* get() { return value_ ? &*value_ : nullptr; }

  private:
    std::optional<COleDateTime> value_;
};

// The dialog handler answers from the input: a few edits of known or unknown controls, then OK,
// Cancel or any other number.
int answerDialog(void* context, StatsDialog* dialog) {
    ByteStream& in = *static_cast<ByteStream*>(context);
    require(dialog != nullptr && dialog->caption != nullptr, "dialog without caption");
    for (int edits = in.byte() % 6; edits > 0; --edits) {
        const int pick = in.byte() % (dialog->controlCount + 1);
        const int id = pick < dialog->controlCount ? dialog->controlIds[pick] : in.integral<int>();
        const Text text(in);
        const int stored = dialog->setText(dialog, id, text.get());
        const char* shown = dialog->getText(dialog, id);
        require(stored == 0 || (shown != nullptr && std::string_view(shown) == text.get()),
                "a control does not show the text just set");
    }
    const std::uint8_t answer = in.byte();
    return answer < 2 ? answer : in.integral<int>();
}

void takeMessage(void*, const char* text, const char* caption) {
    require(text != nullptr && caption != nullptr, "message without text");
    require(std::string_view(caption) == "Output", "message with another caption");
}

int qsoCall(ByteStream& in, decltype(&AddData0) function) {
    const Text ownCall(in), call(in), mode(in), rstSent(in), rstReceived(in), sent(in),
        received(in), prefix(in), band(in);
    Date time(in), second(in);
    const auto frequency = in.integral<unsigned>();
    return function(ownCall.get(), call.get(), time.get(), second.get(), nullptr, nullptr, 0,
                    frequency, mode.get(), rstSent.get(), rstReceived.get(), sent.get(),
                    received.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                    nullptr, nullptr, prefix.get(), 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr,
                    band.get(), nullptr);
}

int checkCall(ByteStream& in) {
    const Text call(in), mode(in), exchange(in), prefix(in), band(in), secondBand(in);
    std::array<char, 50> buffer{};
    buffer.fill('x');
    char* clear = in.byte() % 2 == 0 ? buffer.data() : nullptr;
    const int answer = CheckCall0(
        call.get(), in.integral<unsigned>(), 0, mode.get(), nullptr, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, nullptr, exchange.get(), prefix.get(), 0, 0, 0, 0.0, 0.0,
        nullptr, nullptr, nullptr, nullptr, nullptr, band.get(), secondBand.get(), clear, nullptr);
    require(answer == 0 || answer == 1 || answer == 2 || answer == 4, "call check answer");
    return answer;
}

// Faults of the folder that the host's current directory is: the plug-in must go on without
// its settings, its error log or its Cabrillo file.
void damageFolder(ByteStream& in) {
    std::error_code ignored;
    const fs::path settings = fs::path("Plugins") / "UBA_Spring.ini";
    switch (in.byte() % 6) {
    case 0:
        fs::remove_all("Plugins", ignored);
        break;
    case 1:
        fs::create_directory("Plugins", ignored);
        break;
    case 2: {
        const std::string_view bytes = in.raw(in.integral<std::uint16_t>() % 2048);
        if (std::FILE* file = std::fopen(settings.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        break;
    }
    case 3:
        fs::permissions(settings, fs::perms::owner_read, ignored);
        break;
    case 4:
        fs::remove("err.txt", ignored);
        fs::create_directory("err.txt", ignored);
        break;
    default:
        fs::remove_all("err.txt", ignored);
        break;
    }
}

void runCall(ByteStream& in) {
    switch (in.byte() % 9) {
    case 0: {
        const Text ownCall(in), ownPrefix(in);
        const int cabrillo = in.byte() % 3 == 0 ? 0 : in.integral<int>() | 1;
        require(ResetStats0(nullptr, cabrillo, ownCall.get(), nullptr, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                            ownPrefix.get(), 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr) == 1,
                "reset answer");
        break;
    }
    case 1:
    case 2: {
        const int answer = qsoCall(in, &AddData0);
        require(answer == 0 || answer == 1, "intake answer");
        break;
    }
    case 3: {
        const int answer = qsoCall(in, &RemoveData0);
        require(answer == 0 || answer == 1, "removal answer");
        break;
    }
    case 4:
        checkCall(in);
        break;
    case 5: {
        int done = 0;
        const char* text = GetResult0(in.byte() % 2 == 0 ? &done : nullptr);
        require(text != nullptr && std::string_view(text).find("Score: ") != std::string::npos,
                "result text");
        require(done == 0 || done == -1, "Cabrillo flag of the result");
        break;
    }
    case 6:
        SetupSet0();
        break;
    case 7: {
        const Text a(in), b(in), c(in);
        require(GetSetName(in.integral<int>()) != nullptr, "set name");
        require(GetExchgCount0(a.get(), b.get(), c.get()) == 1, "exchange count");
        require(IsValidExchg0(a.get(), b.get(), c.get(), nullptr, 0, 0, 0) == 1, "valid exchange");
        break;
    }
    default:
        damageFolder(in);
        break;
    }
}

// Every input starts in an empty folder with a Plugins folder in it.
void emptyFolder() {
    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(".")) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(entry.path(), ignored);
    }
    fs::create_directory("Plugins");
}

// The folder above the current one holds nothing but it: no text from the host named a file
// elsewhere.
void requireNothingOutside() {
    std::size_t entries = 0;
    for ([[maybe_unused]] const fs::directory_entry& entry :
         fs::directory_iterator(fs::current_path().parent_path())) {
        ++entries;
    }
    require(entries == 1, "a file was written outside the current folder");
}

void removeFolders() {
    const fs::path root = fs::current_path().parent_path();
    fs::current_path("/");
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

} // namespace
} // namespace stats::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    namespace fs = std::filesystem;
    std::string root = (fs::temp_directory_path() / "stats-fuzz-XXXXXX").string();
    if (::mkdtemp(root.data()) == nullptr) {
        std::abort();
    }
    fs::create_directory(fs::path(root) / "work");
    fs::current_path(fs::path(root) / "work");
    std::atexit(&stats::fuzz::removeFolders);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace stats::fuzz;
    stats::module() = stats::Module{};
    emptyFolder();
    ByteStream in({data, size});
    SetDialogHandler(&answerDialog, &in);
    SetMessageHandler(&takeMessage, nullptr);
    for (int calls = 0; calls < 64 && !in.empty(); ++calls) {
        runCall(in);
    }
    requireNothingOutside();
    return 0;
}
