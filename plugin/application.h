#pragma once

#include "platform/dialog.h"
#include "stats_host.h"

#include <string_view>

namespace stats {

// The library's application object. Besides being there from load to unload it routes the
// plug-in's dialogs and messages: to the host's handlers when the host installed any, else to
// the platform's own.
class CTestApp {
  public:
    void setDialogHandler(StatsDialogHandler handler, void* context);
    void setMessageHandler(StatsMessageHandler handler, void* context);

    bool runDialog(const resources::DialogTemplate& dialog, platform::DialogValues& values);
    void showMessage(std::string_view text, std::string_view caption);

  private:
    StatsDialogHandler dialogHandler_ = nullptr;
    void* dialogContext_ = nullptr;
    StatsMessageHandler messageHandler_ = nullptr;
    void* messageContext_ = nullptr;
};

} // namespace stats
