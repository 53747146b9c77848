#pragma once

// The plug-in loaded as the logging program loads it: dlopen, and each export looked up by its
// plain name. The pointer types come from the exports' own declarations, so that a change in an
// argument list breaks this build instead of the stack at run time.

#include "plugin/exports.h"

#include <filesystem>
#include <memory>

namespace ubaspring {

class StatsPlugin {
  public:
    // Throws std::runtime_error naming the library or the missing export.
    explicit StatsPlugin(const std::filesystem::path& library);

    decltype(&::ResetStats0) ResetStats0 = nullptr;
    decltype(&::AddData0) AddData0 = nullptr;
    decltype(&::CheckCall0) CheckCall0 = nullptr;
    decltype(&::GetResult0) GetResult0 = nullptr;
    decltype(&::SetupSet0) SetupSet0 = nullptr;
    decltype(&::SetDialogHandler) SetDialogHandler = nullptr;
    decltype(&::SetMessageHandler) SetMessageHandler = nullptr;

  private:
    struct Closer {
        void operator()(void* handle) const;
    };
    std::unique_ptr<void, Closer> handle_;
};

} // namespace ubaspring
