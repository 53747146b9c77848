#include "host/stats_plugin.h"

#include <dlfcn.h>
#include <stdexcept>
#include <string>

namespace ubaspring {
namespace {

template <typename Function> void resolve(void* handle, const char* name, Function& function) {
    void* address = dlsym(handle, name);
    if (address == nullptr) {
        throw std::runtime_error(std::string("the plug-in has no export ") + name);
    }
    function = reinterpret_cast<Function>(address);
}

} // namespace

void StatsPlugin::Closer::operator()(void* handle) const {
    dlclose(handle);
}

StatsPlugin::StatsPlugin(const std::filesystem::path& library)
    : handle_(dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        throw std::runtime_error("cannot load the plug-in: " +
                                 std::string(reason != nullptr ? reason : library.string()));
    }
    resolve(handle_.get(), "ResetStats0", ResetStats0);
    resolve(handle_.get(), "AddData0", AddData0);
    resolve(handle_.get(), "CheckCall0", CheckCall0);
    resolve(handle_.get(), "GetResult0", GetResult0);
    resolve(handle_.get(), "SetupSet0", SetupSet0);
    resolve(handle_.get(), "SetDialogHandler", SetDialogHandler);
    resolve(handle_.get(), "SetMessageHandler", SetMessageHandler);
}

} // namespace ubaspring
