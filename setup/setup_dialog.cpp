#include "setup/setup_dialog.h"

#include "resources/dialog_template.h"

#include <string>

namespace stats {
namespace {

constexpr int kMultiplierCheckBox = 1015;
constexpr int kModeEdit = 1001;
constexpr int kSectionEdit = 1000;

} // namespace

void runSetup(Module& m) {
    m.MultiplierOption = m.Settings.readInt("Multiplier");
    m.OwnSection = m.Settings.readText("Province");
    m.OwnMode = m.Settings.readText("Mode");

    // A check box has three states; anything else stored shows as unchecked.
    const int checkState =
        m.MultiplierOption >= 0 && m.MultiplierOption <= 2 ? m.MultiplierOption : 0;
    platform::DialogValues values = {{kMultiplierCheckBox, std::to_string(checkState)},
                                     {kModeEdit, m.OwnMode},
                                     {kSectionEdit, m.OwnSection}};
    if (!m.App.runDialog(resources::setupDialog(), values)) {
        return;
    }
    const int checked = parseLeadingInt(values[0].text);
    m.MultiplierOption = checked >= 0 && checked <= 2 ? checked : 0;
    m.OwnMode = values[1].text;
    m.OwnSection = values[2].text;
    m.Settings.writeInt("Multiplier", m.MultiplierOption);
    m.Settings.writeText("Province", m.OwnSection);
    m.Settings.writeText("Mode", m.OwnMode);
}

} // namespace stats
