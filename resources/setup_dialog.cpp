// Template 104: the setup dialog, two edits with their labels at the right and a hidden check box.
#include "resources/dialog_template.h"

namespace stats::resources {
namespace {

DialogTemplate build() {
    DialogTemplate t{104, "Setup UBA Spring Contestt", "MS Shell Dlg", 8, {0, 0, 196, 96}, {}};
    auto& c = t.controls;
    // "ОК" is written with the Cyrillic letters O and K (UTF-8 here; each backend converts).
    c.push_back({.id = 1,
                 .kind = ControlKind::DefaultPushButton,
                 .text = "\xD0\x9E\xD0\x9A",
                 .rect = {73, 75, 50, 14}});
    c.push_back({.id = 1015,
                 .kind = ControlKind::CheckBox,
                 .text = "  Use window Multiplier",
                 .rect = {7, 7, 120, 10},
                 .disabled = true,
                 .hidden = true});
    c.push_back({.id = 1001, .kind = ControlKind::Edit, .rect = {7, 22, 40, 13}});
    c.push_back({.id = -1,
                 .kind = ControlKind::Label,
                 .text = "Input mode (CW or SSB)",
                 .rect = {53, 24, 136, 8},
                 .labelFor = 1001});
    c.push_back({.id = 1000, .kind = ControlKind::Edit, .rect = {7, 42, 40, 13}});
    c.push_back({.id = -1,
                 .kind = ControlKind::Label,
                 .text = "Input your UBA section Only forBelgian station",
                 .rect = {53, 42, 100, 18},
                 .labelFor = 1000});
    return t;
}

} // namespace

const DialogTemplate& setupDialog() {
    static const DialogTemplate dialog = build();
    return dialog;
}

} // namespace stats::resources
