#pragma once

// The plug-in's exports as a host resolves them, by plain name, whatever loads the library
// (LoadLibraryA on Windows, dlopen on Linux): the hosts share everything else.

#include "plugin/exports.h"

#include <functional>

namespace stats::wintest {

struct PluginExports {
    decltype(&::GetNumberOfSets) GetNumberOfSets;
    decltype(&::GetSetName) GetSetName;
    decltype(&::GetExchgCount0) GetExchgCount0;
    decltype(&::IsValidExchg0) IsValidExchg0;
    decltype(&::ResetStats0) ResetStats0;
    decltype(&::AddData0) AddData0;
    decltype(&::RemoveData0) RemoveData0;
    decltype(&::CheckCall0) CheckCall0;
    decltype(&::GetResult0) GetResult0;
    decltype(&::SetupSet0) SetupSet0;
    decltype(&::SetDialogHandler) SetDialogHandler;
    decltype(&::SetMessageHandler) SetMessageHandler;
};

// The address of an export, or null when the library has none of that name.
using ExportLookup = std::function<void*(const char* name)>;

// Every export by its plain name; throws std::runtime_error naming the first one missing.
PluginExports resolvePluginExports(const ExportLookup& lookup);

} // namespace stats::wintest
