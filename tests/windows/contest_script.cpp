#include "tests/windows/contest_script.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace stats::wintest {
namespace {

constexpr double kContestStart = 45361.25; // 2024-03-10 06:00

struct Qso {
    const char* call;
    int minute; // after the contest start; -1 null time, -2 invalid time
    unsigned frequencyHz;
    const char* mode;
    const char* exchangeSent;
    const char* exchangeReceived;
    const char* prefix;
    const char* band;
};

struct CallCheck {
    const char* call;
    const char* exchange;
    const char* prefix;
    const char* band;
    const char* secondBand;
};

// What the host saw, in call order.
struct Transcript {
    std::string text;

    void line(const std::string& entry) { text += entry + "\n"; }
};

// Confirms every dialog after recording its values; the header gets a two-line soapbox and a
// name with a code-page character, the setup a mode and a section.
int confirmDialog(void* context, StatsDialog* dialog) {
    auto& transcript = *static_cast<Transcript*>(context);
    transcript.line("dialog " + std::to_string(dialog->templateId) + " [" + dialog->caption + "]");
    for (int i = 0; i < dialog->controlCount; ++i) {
        const int id = dialog->controlIds[i];
        transcript.line("  " + std::to_string(id) + "=" + dialog->getText(dialog, id));
    }
    if (dialog->templateId == STATS_DIALOG_SETUP) {
        dialog->setText(dialog, 1001, "CW");
        dialog->setText(dialog, 1000, "ACC");
    } else {
        dialog->setText(dialog, 1007, "Jan Peeters \xE9"); // e acute in the host's code page
        dialog->setText(dialog, 1001, "First line\r\nSecond line");
        dialog->setText(dialog, 1004, "on4xyz@example.org");
        dialog->setText(dialog, 1024, "ACC");
    }
    return 1;
}

void recordMessage(void* context, const char* text, const char* caption) {
    static_cast<Transcript*>(context)->line(std::string("message [") + caption + "] " + text);
}

int reset(const PluginExports& p, int cabrillo, const char* ownCall, const char* ownPrefix) {
    return p.ResetStats0("", cabrillo, ownCall, nullptr, nullptr, "", "", "", "", "", "", "", "",
                         "", ownPrefix, 0, 0, 0, 0.0, 0.0, "", "", "");
}

int qsoCall(decltype(&::AddData0) function, const char* ownCall, const Qso& q) {
    COleDateTime time{kContestStart + q.minute / 1440.0, 0};
    if (q.minute == -1) {
        time = COleDateTime{0.0, 2};
    } else if (q.minute == -2) {
        time = COleDateTime{0.0, 1};
    }
    return function(ownCall, q.call, &time, nullptr, nullptr, nullptr, 0, q.frequencyHz, q.mode,
                    "599", "599", q.exchangeSent, q.exchangeReceived, "", "", "", "", "", "", "",
                    "", "", q.prefix, 0, 0, 0, 0.0, 0.0, "", "", "", q.band, "");
}

std::string describe(const Qso& q) {
    return std::string(q.call) + " " + q.band + " " + q.mode + " [" + q.exchangeSent + "|" +
           q.exchangeReceived + "]";
}

void addAll(const PluginExports& p, Transcript& t, const char* ownCall,
            const std::vector<Qso>& qsos) {
    for (const Qso& q : qsos) {
        t.line("AddData0 " + describe(q) + " -> " +
               std::to_string(qsoCall(p.AddData0, ownCall, q)));
    }
}

void checkAll(const PluginExports& p, Transcript& t, const std::vector<CallCheck>& checks) {
    for (const CallCheck& c : checks) {
        char buffer[50] = "untouched";
        const int answer = p.CheckCall0(c.call, 0, 0, "CW", "", "", "", "", "", "", "", "",
                                        c.exchange, c.prefix, 0, 0, 0, 0.0, 0.0, "", "", "", "", "",
                                        c.band, c.secondBand, buffer, nullptr);
        t.line(std::string("CheckCall0 ") + c.call + " " + c.band + "/" + c.secondBand + " -> " +
               std::to_string(answer) + " [" + buffer + "]");
    }
}

void result(const PluginExports& p, Transcript& t) {
    int cabrilloDone = 0;
    const std::string text = p.GetResult0(&cabrilloDone);
    t.line("GetResult0 -> " + std::to_string(cabrilloDone) + "\n" + text + "\n--");
}

void belgianContest(const PluginExports& p, Transcript& t) {
    const char* own = "ON4XYZ/P";
    t.line("ResetStats0 -> " + std::to_string(reset(p, 1, own, "ON")));
    addAll(p, t, own,
           {
               {"ON4AAA", 0, 3'550'000, "CW", "001 ACC", "001 LGE", "ON", "80m"},
               {"DL1ABC", 3, 3'551'500, "CW", "002 ACC", "015", "DL", "80m"},
               {"ON4AAA", 5, 3'552'000, "CW", "003 ACC", "004 LGE", "ON", "80m"},
               {"ON4BBB", 7, 7'010'000, "CW", "004 ACC", "010 ANT", "ON", "40m"},
               {"F5XYZ", 8, 3'560'000, "RTTY", "004 ACC", "020", "F", "80m"},
               {"G4ABC", 9, 3'561'000, "CW", "004 ACC", "", "G", "80m"},
               {"ON4CCC", 12, 144'300'000, "FM", "004 ACC", "7 xyz", "ON", "2m"},
               {"PA3ABC", 20, 50'150'000, "SSB", "005 ACC", "033", "PA", "6m"},
               {"ON4DDD", 25, 3'700'000, "SSB", "006 ACC", " 12  lge ", "ON", "80m"},
               {"OK1AAA", -1, 3'555'000, "CW", "007 ACC", "044", "OK", "80m"},
               {"ON4EEE", -2, 3'556'000, "CW", "008 ACC", "009 ACC", "ON", "80m"},
           });
    checkAll(p, t,
             {
                 {"ON4AAA", "", "ON", "80m", "80m"},
                 {"ON4FFF", "", "ON", "80m", "80M"},
                 {"SP9ZZZ", "", "SP", "80m", "80m"},
                 {"DL1ABC", "", "DL", "6m", "6m"},
                 {"DL1ABC", "", "DL", "80m", "6m"},
             });
    const Qso removed{"ON4AAA", 0, 3'550'000, "CW", "001 ACC", "001 LGE", "ON", "80m"};
    const Qso badMode{"ON4AAA", 0, 3'550'000, "RTTY", "001 ACC", "001 LGE", "ON", "80m"};
    t.line("RemoveData0 " + describe(removed) + " -> " +
           std::to_string(qsoCall(p.RemoveData0, own, removed)));
    t.line("RemoveData0 " + describe(badMode) + " -> " +
           std::to_string(qsoCall(p.RemoveData0, own, badMode)));
    result(p, t);
}

void foreignContest(const PluginExports& p, Transcript& t) {
    const char* own = "DL1ABC";
    t.line("ResetStats0 -> " + std::to_string(reset(p, 0, own, "DL")));
    addAll(p, t, own,
           {
               {"ON4AAA", 0, 3'550'000, "SSB", "001", "001 LGE", "ON", "80m"},
               {"ON4BBB", 2, 3'551'000, "SSB", "002", "002acc", "ON", "80m"},
               {"ON4CCC", 4, 3'552'000, "SSB", "003", "003 LGE", "ON", "80m"},
               {"ON4CCC", 6, 50'200'000, "FM", "004", "003 LGE", "ON", "6m"},
               {"PA3ABC", 8, 3'553'000, "SSB", "005", "012", "PA", "80m"},
               {"ON4DDD", 9, 3'554'000, "SSB", "006", "5", "ON", "80m"},
           });
    checkAll(p, t,
             {
                 {"PA3ABC", "", "PA", "80m", "80m"},
                 {"ON4AAA", "001 LGE", "ON", "80m", "80m"},
                 {"ON4ZZZ", "LGE", "ON", "6m", "6m"},
                 {"ON4ZZZ", "WTO", "ON", "6m", "6m"},
             });
    result(p, t);
    result(p, t);
}

} // namespace

void runContestScript(const PluginExports& p) {
    Transcript t;
    p.SetDialogHandler(&confirmDialog, &t);
    p.SetMessageHandler(&recordMessage, &t);
    t.line("GetNumberOfSets -> " + std::to_string(p.GetNumberOfSets()));
    t.line(std::string("GetSetName(0) -> [") + p.GetSetName(0) + "]");
    t.line(std::string("GetSetName(1) -> [") + p.GetSetName(1) + "]");
    t.line("GetExchgCount0 -> " + std::to_string(p.GetExchgCount0("", "", "")));
    t.line("IsValidExchg0 -> " + std::to_string(p.IsValidExchg0("", "", "", "", 0, 0, 0)));
    p.SetupSet0();
    belgianContest(p, t);
    std::filesystem::copy_file("err.txt", "err-belgian.txt",
                               std::filesystem::copy_options::overwrite_existing);
    p.SetupSet0();
    foreignContest(p, t);
    p.SetDialogHandler(nullptr, nullptr);
    p.SetMessageHandler(nullptr, nullptr);
    std::ofstream out("results.txt", std::ios::binary | std::ios::trunc);
    out << t.text;
}

} // namespace stats::wintest
