#include "resources/dialog_template.h"

#include <algorithm>
#include <cctype>

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
        std::stable_sort(items.begin(), items.end(), [](std::string_view a, std::string_view b) {
            return std::lexicographical_compare(
                a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                    return std::tolower(static_cast<unsigned char>(x)) <
                           std::tolower(static_cast<unsigned char>(y));
                });
        });
    }
    return items;
}

std::string_view openedComboText(const Control& combo, std::string_view value) {
    if (value.empty()) {
        return value;
    }
    for (std::string_view item : displayedItems(combo)) {
        if (item.size() >= value.size() &&
            std::equal(value.begin(), value.end(), item.begin(), [](char x, char y) {
                return std::tolower(static_cast<unsigned char>(x)) ==
                       std::tolower(static_cast<unsigned char>(y));
            })) {
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
