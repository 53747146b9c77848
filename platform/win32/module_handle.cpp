#include "platform/win32/module_handle.h"

namespace stats::platform::win32 {
namespace {

const char kInsideThisModule = 0; // any address inside the DLL identifies it

} // namespace

HINSTANCE pluginModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       &kInsideThisModule, &module);
    return module;
}

} // namespace stats::platform::win32
