#include "resources/rc_generator/rc_script.h"

#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace stats::resources {
namespace {

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::u32string decodeUtf8(std::string_view text) {
    std::u32string result;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + static_cast<std::size_t>(length) > text.size()) {
            throw std::invalid_argument("truncated UTF-8 in a dialog text");
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        result.push_back(code);
        i += static_cast<std::size_t>(length);
    }
    return result;
}

// A quoted string of the resource script; a quote is doubled, as the script's syntax wants.
std::string quoted(std::string_view text) {
    std::string result;
    if (isAscii(text)) {
        result = "\"";
        for (char c : text) {
            result += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        return result + "\"";
    }
    result = "L\"";
    for (char32_t code : decodeUtf8(text)) {
        if (code >= 0x10000) {
            throw std::invalid_argument("dialog text outside the Basic Multilingual Plane");
        }
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%04X", static_cast<unsigned>(code));
        result += escape;
    }
    return result + "\"";
}

struct ControlClass {
    const char* windowClass;
    std::string style;
};

ControlClass controlClass(const Control& control) {
    switch (control.kind) {
    case ControlKind::Label:
        return {"Static", "SS_LEFT"};
    case ControlKind::Edit:
        return {"Edit", "ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP"};
    case ControlKind::MultiLineEdit:
        return {"Edit", "ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | "
                        "WS_BORDER | WS_TABSTOP"};
    case ControlKind::ComboBox:
        return {"ComboBox",
                std::string("CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP") +
                    (control.sorted ? " | CBS_SORT" : "")};
    case ControlKind::CheckBox:
        return {"Button", "BS_AUTOCHECKBOX | WS_TABSTOP"};
    case ControlKind::PushButton:
        return {"Button", "BS_PUSHBUTTON | WS_TABSTOP"};
    case ControlKind::DefaultPushButton:
        return {"Button", "BS_DEFPUSHBUTTON | WS_TABSTOP"};
    }
    throw std::invalid_argument("unknown control kind");
}

std::string rect(const Rect& r) {
    return std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.width) +
           ", " + std::to_string(r.height);
}

} // namespace

std::string rcDialogStatement(const DialogTemplate& dialog) {
    std::string rc = std::to_string(dialog.id) + " DIALOGEX " + rect(dialog.rect) + "\n";
    rc += "STYLE DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU\n";
    rc += "CAPTION " + quoted(dialog.caption) + "\n";
    rc += "FONT " + std::to_string(dialog.fontSize) + ", " + quoted(dialog.font) + "\n";
    rc += "BEGIN\n";
    for (const Control& control : dialog.controls) {
        const ControlClass kind = controlClass(control);
        // CONTROL adds WS_CHILD | WS_VISIBLE; a hidden control takes the visibility away.
        std::string style = kind.style;
        if (control.disabled) {
            style += " | WS_DISABLED";
        }
        if (control.hidden) {
            style += " | NOT WS_VISIBLE";
        }
        rc += "    CONTROL " + quoted(control.text) + ", " + std::to_string(control.id) + ", \"" +
              kind.windowClass + "\", " + style + ", " + rect(control.rect) + "\n";
    }
    rc += "END\n";
    return rc;
}

} // namespace stats::resources
