#pragma once

// Loads the built plug-in the way a host does (dlopen, exports looked up by name) and gives
// tests typed access to every export. Each PluginLibrary is a fresh copy of the library, with
// module objects in their load-time state, loaded from a file of its own.

#include "platform/date_time.h"
#include "stats_host.h"

#include <filesystem>
#include <string>

namespace stats::test {

using GetNumberOfSetsFn = int (*)();
using GetSetNameFn = const char* (*)(int);
using GetExchgCountFn = int (*)(const char*, const char*, const char*);
using IsValidExchgFn = int (*)(const char*, const char*, const char*, const char*, int, int, int);
using ResetStatsFn = int (*)(const char*, int, const char*, COleDateTime*, COleDateTime*,
                             const char*, const char*, const char*, const char*, const char*,
                             const char*, const char*, const char*, const char*, const char*, int,
                             int, int, double, double, const char*, const char*, const char*);
using QsoFn = int (*)(const char*, const char*, COleDateTime*, COleDateTime*, COleDateTime*,
                      COleDateTime*, unsigned, unsigned, const char*, const char*, const char*,
                      const char*, const char*, const char*, const char*, const char*, const char*,
                      const char*, const char*, const char*, const char*, const char*, const char*,
                      int, int, int, double, double, const char*, const char*, const char*,
                      const char*, const char*);
using CheckCallFn = int (*)(const char*, unsigned, unsigned, const char*, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*, int, int, int, double, double,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, char*, char*);
using GetResultFn = const char* (*)(int*);
using SetupSetFn = void (*)();

// The arguments of AddData0 and RemoveData0 that carry a QSO; the others are passed empty.
struct QsoCall {
    const char* ownCall;
    const char* call;
    COleDateTime* time; // may be null
    unsigned frequencyHz;
    const char* mode;
    const char* rstSent;
    const char* rstReceived;
    const char* exchangeSent;
    const char* exchangeReceived;
    const char* prefix;
    const char* band;
};

// Calls AddData0 or RemoveData0 with the 33 arguments a host passes.
int callQsoExport(QsoFn function, const QsoCall& q);

// One export: its plain name and the decorated name of the function behind it.
struct ExportName {
    const char* plain;
    const char* decorated;
};

// Every export of the contest set, as a host looks them up.
extern const ExportName kExportNames[10];

class PluginLibrary {
  public:
    // Copies the built library into folder and loads the copy.
    explicit PluginLibrary(const std::filesystem::path& folder);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // The address of an exported symbol, or null.
    void* symbol(const char* name) const;

    GetNumberOfSetsFn GetNumberOfSets;
    GetSetNameFn GetSetName;
    GetExchgCountFn GetExchgCount0;
    IsValidExchgFn IsValidExchg0;
    ResetStatsFn ResetStats0;
    QsoFn AddData0;
    QsoFn RemoveData0;
    CheckCallFn CheckCall0;
    GetResultFn GetResult0;
    SetupSetFn SetupSet0;
    SetDialogHandlerFunction SetDialogHandler;
    SetMessageHandlerFunction SetMessageHandler;

  private:
    void* handle_;
};

// Where the build put Stats.so.
std::filesystem::path builtPluginPath();

} // namespace stats::test
