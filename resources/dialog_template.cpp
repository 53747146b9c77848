#include "resources/dialog_template.h"

#include "platform/text.h"

#include <algorithm>

namespace stats::resources {

bool carriesValue(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::MultiLineEdit ||
           kind == ControlKind::ComboBox || kind == ControlKind::CheckBox;
}

std::vector<const Control*> DialogTemplate::valueControls() const {
    std::vector<const Control*> result;
    for (const Control& control : controls) {
        if (carriesValue(control.kind)) {
            result.push_back(&control);
        }
    }
    return result;
}

std::vector<std::string_view> displayedItems(const Control& combo) {
    std::vector<std::string_view> items = combo.items;
    if (combo.sorted) {
        std::stable_sort(items.begin(), items.end(), text::lessIgnoringCase);
    }
    return items;
}

std::string_view openedComboText(const Control& combo, std::string_view value) {
    if (value.empty()) {
        return value;
    }
    for (std::string_view item : displayedItems(combo)) {
        if (text::startsWithIgnoringCase(item, value)) {
            return item;
        }
    }
    return value;
}

const Control* DialogTemplate::find(int controlId) const {
    for (const Control& control : controls) {
        if (control.id == controlId && carriesValue(control.kind)) {
            return &control;
        }
    }
    return nullptr;
}

} // namespace stats::resources
