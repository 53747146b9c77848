#pragma once

#include <string_view>
#include <vector>

// One description of each dialog, from which every backend builds its window or form.
namespace stats::resources {

enum class ControlKind {
    Label,
    Edit,
    MultiLineEdit, // Enter starts a new line; vertical scroll bar
    ComboBox,      // drop-down: the operator may type a value that is not listed
    CheckBox,      // automatic check box
    PushButton,
    DefaultPushButton,
};

struct Rect {
    int x, y, width, height; // dialog units
};

struct Control {
    int id; // -1 for a static label
    ControlKind kind;
    std::string_view text{}; // label or button text; none for an edit or a combo box
    Rect rect{};
    std::vector<std::string_view> items{}; // combo box list, in the order it is filled
    bool sorted = false;
    bool disabled = false;
    bool hidden = false;
    int labelFor = 0; // a label names the control with this id
};

struct DialogTemplate {
    int id;
    std::string_view caption;
    std::string_view font;
    int fontSize;
    Rect rect{};
    std::vector<Control> controls;

    // Controls that carry a value (edits, combo boxes, check boxes), in template order.
    std::vector<const Control*> valueControls() const;
    const Control* find(int controlId) const;
};

bool carriesValue(ControlKind kind);

// The combo box's list as the operator sees it: alphabetical when the box is sorted.
std::vector<std::string_view> displayedItems(const Control& combo);

// The text a combo box shows when it opens with value: the first displayed item that begins
// with value (ignoring letter case), or value itself when none does.
std::string_view openedComboText(const Control& combo, std::string_view value);

const DialogTemplate& cabrilloHeaderDialog(); // template 101
const DialogTemplate& setupDialog();          // template 104

} // namespace stats::resources
