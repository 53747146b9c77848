#include "tests/support/plugin_library.h"

#include <dlfcn.h>
#include <stdexcept>

namespace stats::test {

const ExportName kExportNames[10] = {
    {"GetNumberOfSets", "_Z15GetNumberOfSetsv"},
    {"GetSetName", "_Z10GetSetNamei"},
    {"GetExchgCount0", "_Z19StatsGetExchgCount0PKcS0_S0_"},
    {"IsValidExchg0", "_Z18StatsIsValidExchg0PKcS0_S0_S0_iii"},
    {"ResetStats0", "_Z11ResetStats0PKciS0_P12COleDateTimeS2_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_iiiddS0_"
                    "S0_S0_"},
    {"AddData0", "_Z8AddData0PKcS0_P12COleDateTimeS2_S2_S2_jjS0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_"
                 "S0_S0_S0_iiiddS0_S0_S0_S0_S0_"},
    {"RemoveData0", "_Z11RemoveData0PKcS0_P12COleDateTimeS2_S2_S2_jjS0_S0_S0_S0_S0_S0_S0_S0_S0_S0_"
                    "S0_S0_S0_S0_S0_iiiddS0_S0_S0_S0_S0_"},
    {"CheckCall0", "_Z14CheckCallFunc0PKcjjS0_S0_S0_S0_S0_S0_S0_S0_S0_S0_S0_iiiddS0_S0_S0_S0_S0_S0_"
                   "S0_PcS1_"},
    {"GetResult0", "_Z10GetResult0Pi"},
    {"SetupSet0", "_Z9SetupSet0v"},
};

std::filesystem::path builtPluginPath() {
    return STATS_PLUGIN_PATH;
}

int callQsoExport(QsoFn function, const QsoCall& q) {
    return function(q.ownCall, q.call, q.time, nullptr, nullptr, nullptr, 0, q.frequencyHz, q.mode,
                    q.rstSent, q.rstReceived, q.exchangeSent, q.exchangeReceived, "", "", "", "",
                    "", "", "", "", "", q.prefix, 0, 0, 0, 0.0, 0.0, "", "", "", q.band, "");
}

namespace {

template <typename Function> Function resolve(void* handle, const char* name) {
    void* address = dlsym(handle, name);
    if (address == nullptr) {
        throw std::runtime_error(std::string("export missing: ") + name);
    }
    return reinterpret_cast<Function>(address);
}

} // namespace

PluginLibrary::PluginLibrary(const std::filesystem::path& folder) {
    const std::filesystem::path copy = folder / "Stats.so";
    std::filesystem::copy_file(builtPluginPath(), copy,
                               std::filesystem::copy_options::overwrite_existing);
    handle_ = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        throw std::runtime_error(std::string("dlopen failed: ") + dlerror());
    }
    GetNumberOfSets = resolve<GetNumberOfSetsFn>(handle_, "GetNumberOfSets");
    GetSetName = resolve<GetSetNameFn>(handle_, "GetSetName");
    GetExchgCount0 = resolve<GetExchgCountFn>(handle_, "GetExchgCount0");
    IsValidExchg0 = resolve<IsValidExchgFn>(handle_, "IsValidExchg0");
    ResetStats0 = resolve<ResetStatsFn>(handle_, "ResetStats0");
    AddData0 = resolve<QsoFn>(handle_, "AddData0");
    RemoveData0 = resolve<QsoFn>(handle_, "RemoveData0");
    CheckCall0 = resolve<CheckCallFn>(handle_, "CheckCall0");
    GetResult0 = resolve<GetResultFn>(handle_, "GetResult0");
    SetupSet0 = resolve<SetupSetFn>(handle_, "SetupSet0");
    SetDialogHandler = resolve<SetDialogHandlerFunction>(handle_, "SetDialogHandler");
    SetMessageHandler = resolve<SetMessageHandlerFunction>(handle_, "SetMessageHandler");
}

PluginLibrary::~PluginLibrary() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

void* PluginLibrary::symbol(const char* name) const {
    return dlsym(handle_, name);
}

} // namespace stats::test
