#include "resources/dialog_template.h"
#include "tests/windows/host_modes.h"

#include <cstdio>
#include <string>

namespace stats::wintest {
namespace {

using resources::Control;
using resources::ControlKind;

std::wstring wide(std::string_view utf8) {
    std::wstring result(utf8.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                           result.data(), static_cast<int>(result.size()));
    result.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return result;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

struct Expected {
    const char* windowClass;
    LONG styleMask;
    LONG style;
};

Expected expectedFor(const Control& c) {
    switch (c.kind) {
    case ControlKind::Label:
        return {"Static", SS_TYPEMASK, SS_LEFT};
    case ControlKind::Edit:
        return {"Edit", ES_MULTILINE | WS_TABSTOP, WS_TABSTOP};
    case ControlKind::MultiLineEdit:
        return {"Edit", ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::ComboBox:
        return {"ComboBox", 0x3 | CBS_SORT | WS_TABSTOP,
                CBS_DROPDOWN | (c.sorted ? CBS_SORT : 0) | WS_TABSTOP};
    case ControlKind::CheckBox:
        return {"Button", BS_TYPEMASK | WS_TABSTOP, BS_AUTOCHECKBOX | WS_TABSTOP};
    case ControlKind::PushButton:
        return {"Button", BS_TYPEMASK | WS_TABSTOP, BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::DefaultPushButton:
        return {"Button", BS_TYPEMASK | WS_TABSTOP, BS_DEFPUSHBUTTON | WS_TABSTOP};
    }
    return {"?", 0, 0};
}

class Checker {
  public:
    explicit Checker(int templateId) : templateId_(templateId) {}

    void expect(bool condition, const std::string& what) {
        if (!condition) {
            std::fprintf(stderr, "template %d: %s\n", templateId_, what.c_str());
            ++failures_;
        }
    }
    int failures() const { return failures_; }

  private:
    int templateId_;
    int failures_ = 0;
};

INT_PTR CALLBACK inertProcedure(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Pixels of a rectangle in dialog units, converted the way the dialog places its controls:
// position and size each on their own (converting the right edge would round differently).
RECT dialogUnits(HWND dialog, const resources::Rect& r) {
    RECT units{r.x, r.y, r.width, r.height};
    MapDialogRect(dialog, &units);
    return RECT{units.left, units.top, units.left + units.right, units.top + units.bottom};
}

void checkControl(Checker& check, HWND dialog, HWND child, const Control& c, int index) {
    const std::string where = "control " + std::to_string(index) + " (id " + std::to_string(c.id) +
                              ", \"" + std::string(c.text) + "\")";
    const Expected expected = expectedFor(c);
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    check.expect(lstrcmpiA(className, expected.windowClass) == 0,
                 where + ": class " + className + ", not " + expected.windowClass);
    check.expect((GetDlgCtrlID(child) & 0xFFFF) == (c.id & 0xFFFF), where + ": wrong id");
    if (!resources::carriesValue(c.kind)) {
        check.expect(windowText(child) == wide(c.text), where + ": wrong text");
    }
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    check.expect((style & expected.styleMask) == expected.style, where + ": wrong style");
    check.expect(((style & WS_DISABLED) != 0) == c.disabled, where + ": wrong enabled state");
    check.expect(((style & WS_VISIBLE) != 0) == !c.hidden, where + ": wrong visibility");
    RECT actual{};
    GetWindowRect(child, &actual);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
    const RECT wanted = dialogUnits(dialog, c.rect);
    // A combo box's window is its edit part; the described height includes the list.
    const bool heightMatters = c.kind != ControlKind::ComboBox;
    check.expect(actual.left == wanted.left && actual.top == wanted.top &&
                     actual.right == wanted.right &&
                     (!heightMatters || actual.bottom == wanted.bottom),
                 where + ": wrong place or size");
}

int checkTemplate(HMODULE plugin, const resources::DialogTemplate& description) {
    Checker check(description.id);
    // Created as the plug-in creates it: a Unicode dialog (see platform/win32/modal_dialog.cpp).
    HWND dialog =
        CreateDialogParamW(plugin, MAKEINTRESOURCEW(description.id), nullptr, &inertProcedure, 0);
    if (dialog == nullptr) {
        check.expect(false, "not in the DLL's resources");
        return check.failures();
    }
    check.expect(windowText(dialog) == wide(description.caption), "wrong caption");
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    check.expect(std::string(font.lfFaceName) == description.font,
                 std::string("font ") + font.lfFaceName);
    RECT client{};
    GetClientRect(dialog, &client);
    const RECT size = dialogUnits(dialog, {0, 0, description.rect.width, description.rect.height});
    check.expect(client.right == size.right && client.bottom == size.bottom, "wrong size");

    HWND child = GetWindow(dialog, GW_CHILD);
    int index = 0;
    for (const Control& control : description.controls) {
        if (child == nullptr) {
            check.expect(false, "fewer controls than described");
            break;
        }
        checkControl(check, dialog, child, control, index++);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    check.expect(child == nullptr, "more controls than described");
    DestroyWindow(dialog);
    return check.failures();
}

} // namespace

int checkDialogResources(HMODULE plugin) {
    const int failures = checkTemplate(plugin, resources::cabrilloHeaderDialog()) +
                         checkTemplate(plugin, resources::setupDialog());
    std::printf("dialog templates checked, %d failures\n", failures);
    return failures == 0 ? 0 : 1;
}

} // namespace stats::wintest
