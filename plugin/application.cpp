#include "plugin/application.h"

#include <string>
#include <vector>

namespace stats {
namespace {

// What a host's handler sees of an open dialog; the public struct comes first so that the
// handler's pointer leads back here.
struct HostDialog {
    StatsDialog view{};
    platform::DialogValues* values = nullptr;
    std::vector<int> ids;
    std::string caption;

    platform::DialogValue* find(int controlId) {
        for (platform::DialogValue& value : *values) {
            if (value.controlId == controlId) {
                return &value;
            }
        }
        return nullptr;
    }
};

HostDialog* hostDialog(StatsDialog* dialog) {
    return dialog == nullptr ? nullptr : static_cast<HostDialog*>(dialog->state);
}

const char* getText(StatsDialog* dialog, int controlId) {
    HostDialog* host = hostDialog(dialog);
    platform::DialogValue* value = host == nullptr ? nullptr : host->find(controlId);
    return value == nullptr ? nullptr : value->text.c_str();
}

int setText(StatsDialog* dialog, int controlId, const char* text) {
    HostDialog* host = hostDialog(dialog);
    platform::DialogValue* value = host == nullptr ? nullptr : host->find(controlId);
    if (value == nullptr || text == nullptr) {
        return 0;
    }
    value->text = text;
    return 1;
}

} // namespace

void CTestApp::setDialogHandler(StatsDialogHandler handler, void* context) {
    dialogHandler_ = handler;
    dialogContext_ = handler == nullptr ? nullptr : context;
}

void CTestApp::setMessageHandler(StatsMessageHandler handler, void* context) {
    messageHandler_ = handler;
    messageContext_ = handler == nullptr ? nullptr : context;
}

bool CTestApp::runDialog(const resources::DialogTemplate& dialog, platform::DialogValues& values) {
    // A combo box opens on the first item that begins with its value, in every backend.
    for (platform::DialogValue& value : values) {
        const resources::Control* control = dialog.find(value.controlId);
        if (control != nullptr && control->kind == resources::ControlKind::ComboBox) {
            std::string opened(resources::openedComboText(*control, value.text));
            value.text = std::move(opened);
        }
    }
    if (dialogHandler_ == nullptr) {
        return platform::runModalDialog(dialog, values);
    }
    // The handler edits a copy: only OK hands the new values back, as a real dialog would.
    platform::DialogValues edited = values;
    HostDialog host;
    host.values = &edited;
    host.caption = std::string(dialog.caption);
    for (const resources::Control* control : dialog.valueControls()) {
        if (host.find(control->id) != nullptr) {
            host.ids.push_back(control->id);
        }
    }
    host.view.templateId = dialog.id;
    host.view.caption = host.caption.c_str();
    host.view.controlCount = static_cast<int>(host.ids.size());
    host.view.controlIds = host.ids.data();
    host.view.getText = &getText;
    host.view.setText = &setText;
    host.view.state = &host;
    if (dialogHandler_(dialogContext_, &host.view) != 1) {
        return false;
    }
    values = std::move(edited);
    return true;
}

void CTestApp::showMessage(std::string_view text, std::string_view caption) {
    if (messageHandler_ == nullptr) {
        platform::showMessage(text, caption);
        return;
    }
    const std::string textCopy(text);
    const std::string captionCopy(caption);
    messageHandler_(messageContext_, textCopy.c_str(), captionCopy.c_str());
}

} // namespace stats
