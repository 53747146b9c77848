// Template 104: the setup dialog, two edits with their labels at the right and a hidden check box.
#include "resources/dialog_template.h"

namespace stats::resources {
namespace {

DialogTemplate build() {
    DialogTemplate t{104, "Setup UBA Spring Contestt", "MS Shell Dlg", 8, {0, 0, 196, 96}, {}};
    auto& c = t.controls;
    // "ОК" is written with the Cyrillic letters O and K (UTF-8 here; each backend converts).
    c.push_back(Control{1, ControlKind::DefaultPushButton, "\xD0\x9E\xD0\x9A", {73, 75, 50, 14}});
    c.push_back(Control{1015, ControlKind::CheckBox, "  Use window Multiplier", {7, 7, 120, 10},
                        {}, false, true, true});
    c.push_back(Control{1001, ControlKind::Edit, {}, {7, 22, 40, 13}});
    c.push_back(Control{-1, ControlKind::Label, "Input mode (CW or SSB)", {53, 24, 136, 8}, {},
                        false, false, false, 1001});
    c.push_back(Control{1000, ControlKind::Edit, {}, {7, 42, 40, 13}});
    c.push_back(Control{-1, ControlKind::Label, "Input your UBA section Only forBelgian station",
                        {53, 42, 100, 18}, {}, false, false, false, 1000});
    return t;
}

} // namespace

const DialogTemplate& setupDialog() {
    static const DialogTemplate dialog = build();
    return dialog;
}

} // namespace stats::resources
