// The form never changes a disabled control and never shows a hidden one, as the operator could
// not reach them in a window either. Plain lines only: it must work on any terminal, and nothing
// of the host's screen handling is assumed.
#include "platform/posix/terminal_form.h"

#include "platform/text.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace stats::platform {
namespace {

using resources::Control;
using resources::ControlKind;

constexpr std::size_t kScreenWidth = 80;
constexpr std::size_t kMaxLabelWidth = 24;
constexpr std::size_t kListIndent = 4;
constexpr std::string_view kLineBreak = "\r\n"; // as a Windows multi-line edit joins its lines

struct Field {
    const Control* control;
    std::string label;
    std::string* text; // in the form's own copy of the values
    int number;        // what the operator types to change it; 0 when it is fixed
};

using text::trim;

std::string labelOf(const resources::DialogTemplate& dialog, const Control& control) {
    if (control.kind == ControlKind::CheckBox) {
        return std::string(trim(control.text));
    }
    for (const Control& label : dialog.controls) {
        if (label.kind == ControlKind::Label && label.labelFor == control.id) {
            return std::string(label.text);
        }
    }
    return "Control " + std::to_string(control.id);
}

// A value as it may be put on the screen: control characters would move the cursor or worse.
std::string printable(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = '?';
        }
    }
    return shown;
}

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The number of a list item, or 0 when the text is not one.
std::size_t itemNumber(std::string_view text, std::size_t itemCount) {
    text = trim(text);
    if (text.empty() || text.size() > 3 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return 0;
    }
    const std::size_t number = std::stoul(std::string(text));
    return number <= itemCount ? number : 0;
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

class Form {
  public:
    Form(Terminal& terminal, const resources::DialogTemplate& dialog, DialogValues& values)
        : terminal_(terminal), dialog_(dialog) {
        int number = 0;
        for (const Control* control : dialog.valueControls()) {
            const auto value = std::find_if(values.begin(), values.end(), [&](const auto& v) {
                return v.controlId == control->id;
            });
            if (control->hidden || value == values.end()) {
                continue;
            }
            const int fieldNumber = control->disabled ? 0 : ++number;
            fields_.push_back({control, labelOf(dialog, *control), &value->text, fieldNumber});
            labelWidth_ =
                std::max(labelWidth_, std::min(fields_.back().label.size(), kMaxLabelWidth));
        }
        lastNumber_ = number;
    }

    bool run() {
        showForm();
        terminal_.write(
            "Enter keeps a value, typing replaces it, a lone \".\" empties it; Esc and\n"
            "Enter, or Ctrl-D, closes the form without OK.\n\n");
        for (Field& field : fields_) {
            if (field.number != 0 && !edit(field)) {
                return false;
            }
        }
        for (;;) {
            terminal_.write("\n");
            showForm();
            const std::optional<std::string> answer = ask(closingPrompt());
            if (!answer) {
                return false;
            }
            const std::string choice = text::lowerCase(trim(*answer));
            if (choice.empty() || choice == "o" || choice == "ok") {
                return true;
            }
            if (choice == "c" || choice == "cancel") {
                return false;
            }
            const std::size_t number = itemNumber(choice, static_cast<std::size_t>(lastNumber_));
            const auto field = std::find_if(fields_.begin(), fields_.end(), [&](const Field& f) {
                return number != 0 && f.number == static_cast<int>(number);
            });
            if (field == fields_.end()) {
                terminal_.write("Please answer with Enter, c or a field's number.\n");
            } else if (!edit(*field)) {
                return false;
            }
        }
    }

  private:
    // The operator's line; nothing when the operator closed the form (Esc, Ctrl-D, hang-up).
    std::optional<std::string> ask(const std::string& prompt) {
        terminal_.write(prompt);
        std::optional<std::string> line = terminal_.readLine();
        if (line && line->find('\x1b') != std::string::npos) {
            return std::nullopt;
        }
        return line;
    }

    std::string buttonText(int id, std::string_view fallback) const {
        for (const Control& control : dialog_.controls) {
            if (control.id == id && (control.kind == ControlKind::PushButton ||
                                     control.kind == ControlKind::DefaultPushButton)) {
                return std::string(control.text);
            }
        }
        return std::string(fallback);
    }

    std::string closingPrompt() const {
        const std::string ok = buttonText(1, "OK");
        return "Enter = " + ok + ", c = " + buttonText(2, "close without " + ok) +
               (lastNumber_ > 0 ? ", 1-" + std::to_string(lastNumber_) + " = change a field" : "") +
               ": ";
    }

    void showForm() {
        const std::string caption = printable(trim(dialog_.caption));
        terminal_.write(caption + "\n" + std::string(caption.size(), '=') + "\n");
        for (const Field& field : fields_) {
            const std::string number = field.number != 0 ? std::to_string(field.number) : "";
            std::string head =
                padded(std::string(2 - std::min<std::size_t>(number.size(), 2), ' ') + number +
                           "  " + field.label,
                       4 + labelWidth_) +
                "  ";
            const std::string fixed = field.number == 0 ? "  (fixed)" : "";
            if (field.control->kind == ControlKind::CheckBox) {
                terminal_.write(head + checkMark(*field.text) + fixed + "\n");
                continue;
            }
            const std::vector<std::string_view> lines = linesOf(*field.text);
            terminal_.write(head + printable(lines.front()) + fixed + "\n");
            for (std::size_t i = 1; i < lines.size(); ++i) {
                terminal_.write(std::string(head.size(), ' ') + printable(lines[i]) + "\n");
            }
        }
    }

    static std::string checkMark(std::string_view state) {
        return state == "1" ? "[x]" : state == "2" ? "[-]" : "[ ]";
    }

    bool edit(Field& field) {
        switch (field.control->kind) {
        case ControlKind::ComboBox:
            return editCombo(field);
        case ControlKind::MultiLineEdit:
            return editLines(field);
        case ControlKind::CheckBox:
            return editCheck(field);
        default:
            return editLine(field);
        }
    }

    bool editLine(Field& field) {
        const std::optional<std::string> line =
            ask(field.label + " [" + printable(*field.text) + "]: ");
        if (!line) {
            return false;
        }
        if (*line == ".") {
            field.text->clear();
        } else if (!line->empty()) {
            *field.text = *line;
        }
        return true;
    }

    bool editCombo(Field& field) {
        const std::vector<std::string_view> items = resources::displayedItems(*field.control);
        showList(field.label, items);
        const std::optional<std::string> line =
            ask(field.label + " [" + printable(*field.text) + "]: ");
        if (!line) {
            return false;
        }
        if (const std::size_t number = itemNumber(*line, items.size()); number != 0) {
            *field.text = items[number - 1];
        } else if (*line == ".") {
            field.text->clear();
        } else if (!line->empty()) {
            *field.text = *line; // a drop-down combo box takes any typed value
        }
        return true;
    }

    void showList(const std::string& label, const std::vector<std::string_view>& items) {
        const std::size_t numberWidth = std::to_string(items.size()).size();
        std::size_t cell = 0;
        for (std::string_view item : items) {
            cell = std::max(cell, numberWidth + 1 + item.size() + 2);
        }
        const std::size_t columns = std::max<std::size_t>(1, (kScreenWidth - kListIndent) / cell);
        std::string text = label + ": a number picks an item, or type any value\n";
        for (std::size_t i = 0; i < items.size(); ++i) {
            const std::string number = std::to_string(i + 1);
            std::string entry =
                std::string(numberWidth - number.size(), ' ') + number + " " + printable(items[i]);
            const bool lastInRow = (i + 1) % columns == 0 || i + 1 == items.size();
            text += (i % columns == 0 ? std::string(kListIndent, ' ') : "") +
                    (lastInRow ? entry + "\n" : padded(entry, cell));
        }
        terminal_.write(text);
    }

    bool editLines(Field& field) {
        terminal_.write(field.label + " now:" + (field.text->empty() ? " (empty)" : "") + "\n");
        for (std::string_view line :
             field.text->empty() ? std::vector<std::string_view>() : linesOf(*field.text)) {
            terminal_.write("  | " + printable(line) + "\n");
        }
        std::optional<std::string> line =
            ask(field.label + " (Enter keeps; or type lines, a lone \".\" ends them): ");
        if (!line) {
            return false;
        }
        if (line->empty()) {
            return true;
        }
        std::string text;
        for (bool first = true; *line != "."; first = false) {
            text += (first ? "" : std::string(kLineBreak)) + *line;
            line = ask("  > ");
            if (!line) {
                return false;
            }
        }
        *field.text = text;
        return true;
    }

    bool editCheck(Field& field) {
        const std::optional<std::string> line =
            ask(field.label + " " + checkMark(*field.text) + " (y/n): ");
        if (!line) {
            return false;
        }
        const std::string answer = text::lowerCase(trim(*line));
        if (answer == "y" || answer == "yes") {
            *field.text = "1";
        } else if (answer == "n" || answer == "no") {
            *field.text = "0";
        }
        return true;
    }

    Terminal& terminal_;
    const resources::DialogTemplate& dialog_;
    std::vector<Field> fields_;
    std::size_t labelWidth_ = 0;
    int lastNumber_ = 0;
};

} // namespace

bool runTerminalForm(Terminal& terminal, const resources::DialogTemplate& dialog,
                     DialogValues& values) {
    DialogValues edited = values;
    if (!Form(terminal, dialog, edited).run()) {
        terminal.write("Closed without OK.\n\n");
        return false;
    }
    terminal.write("\n");
    values = std::move(edited);
    return true;
}

} // namespace stats::platform
