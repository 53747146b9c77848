#include "tests/windows/plugin_exports.h"

#include <stdexcept>
#include <string>

namespace stats::wintest {
namespace {

template <typename Function>
void resolve(const ExportLookup& lookup, const char* name, Function& function) {
    void* address = lookup(name);
    if (address == nullptr) {
        throw std::runtime_error(std::string("export missing: ") + name);
    }
    function = reinterpret_cast<Function>(address);
}

} // namespace

PluginExports resolvePluginExports(const ExportLookup& lookup) {
    PluginExports e{};
    resolve(lookup, "GetNumberOfSets", e.GetNumberOfSets);
    resolve(lookup, "GetSetName", e.GetSetName);
    resolve(lookup, "GetExchgCount0", e.GetExchgCount0);
    resolve(lookup, "IsValidExchg0", e.IsValidExchg0);
    resolve(lookup, "ResetStats0", e.ResetStats0);
    resolve(lookup, "AddData0", e.AddData0);
    resolve(lookup, "RemoveData0", e.RemoveData0);
    resolve(lookup, "CheckCall0", e.CheckCall0);
    resolve(lookup, "GetResult0", e.GetResult0);
    resolve(lookup, "SetupSet0", e.SetupSet0);
    resolve(lookup, "SetDialogHandler", e.SetDialogHandler);
    resolve(lookup, "SetMessageHandler", e.SetMessageHandler);
    return e;
}

} // namespace stats::wintest
