#pragma once

// Stands in for the operator through the host interface: records what each dialog showed when it
// opened, types the given values and closes the dialog with OK or without.

#include "tests/support/plugin_library.h"

#include <map>
#include <string>
#include <vector>

namespace stats::test {

struct OpenedDialog {
    int templateId = 0;
    std::string caption;
    std::vector<int> controlIds;
    std::map<int, std::string> values; // as the dialog opened
};

class ScriptedDialog {
  public:
    std::map<int, std::string> typed; // control id -> the text the operator types
    bool confirm = true;              // OK, or close without OK
    std::vector<OpenedDialog> opened;

    void install(PluginLibrary& plugin) { plugin.SetDialogHandler(&ScriptedDialog::handle, this); }

    const OpenedDialog& last() const { return opened.back(); }

  private:
    static int handle(void* context, StatsDialog* dialog) {
        auto& self = *static_cast<ScriptedDialog*>(context);
        OpenedDialog seen{dialog->templateId, dialog->caption, {}, {}};
        for (int i = 0; i < dialog->controlCount; ++i) {
            const int id = dialog->controlIds[i];
            seen.controlIds.push_back(id);
            const char* text = dialog->getText(dialog, id);
            seen.values[id] = text != nullptr ? text : "<null>";
        }
        self.opened.push_back(seen);
        for (const auto& [id, text] : self.typed) {
            dialog->setText(dialog, id, text.c_str());
        }
        return self.confirm ? 1 : 0;
    }
};

// Collects what the plug-in would show in message boxes.
class MessageLog {
  public:
    std::vector<std::string> texts;
    std::vector<std::string> captions;

    void install(PluginLibrary& plugin) { plugin.SetMessageHandler(&MessageLog::handle, this); }

  private:
    static void handle(void* context, const char* text, const char* caption) {
        auto& self = *static_cast<MessageLog*>(context);
        self.texts.emplace_back(text);
        self.captions.emplace_back(caption);
    }
};

} // namespace stats::test
