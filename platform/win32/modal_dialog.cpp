// Modal dialogs on Windows: the templates compiled into the DLL's resources, run with the DLL's
// module handle, exchanging the values with the controls the way the framework's data exchange
// does (edit and combo texts, the check box state as "0", "1" or "2").
#include "platform/dialog.h"
#include "platform/win32/module_handle.h"

#include <windows.h>

#include <string>

namespace stats::platform {
namespace {

using resources::ControlKind;

struct DialogRun {
    const resources::DialogTemplate* dialog;
    DialogValues* values;
};

std::string controlText(HWND control) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    const int copied = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

int checkState(const std::string& text) {
    return text == "1" ? BST_CHECKED : text == "2" ? BST_INDETERMINATE : BST_UNCHECKED;
}

void fillCombo(HWND combo, const resources::Control& control, const std::string& value) {
    // Added in the described order; a sorted box (CBS_SORT in the template) orders them itself.
    for (std::string_view item : control.items) {
        const std::string itemZ(item);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(itemZ.c_str()));
    }
    // The first item that begins with the value, else the value typed into the edit part.
    if (value.empty() || SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(value.c_str())) == CB_ERR) {
        SetWindowTextA(combo, value.c_str());
    }
}

void putValues(HWND window, const DialogRun& run) {
    for (const DialogValue& value : *run.values) {
        const resources::Control* control = run.dialog->find(value.controlId);
        HWND item = GetDlgItem(window, value.controlId);
        if (control == nullptr || item == nullptr) {
            continue;
        }
        switch (control->kind) {
        case ControlKind::ComboBox:
            fillCombo(item, *control, value.text);
            break;
        case ControlKind::CheckBox:
            SendMessageA(item, BM_SETCHECK, static_cast<WPARAM>(checkState(value.text)), 0);
            break;
        default:
            SetWindowTextA(item, value.text.c_str());
            break;
        }
    }
}

void takeValues(HWND window, const DialogRun& run) {
    for (DialogValue& value : *run.values) {
        const resources::Control* control = run.dialog->find(value.controlId);
        HWND item = GetDlgItem(window, value.controlId);
        if (control == nullptr || item == nullptr) {
            continue;
        }
        if (control->kind == ControlKind::CheckBox) {
            value.text = std::to_string(SendMessageA(item, BM_GETCHECK, 0, 0));
        } else {
            value.text = controlText(item); // a drop-down combo's text is its edit part
        }
    }
}

INT_PTR CALLBACK dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        putValues(window, *reinterpret_cast<const DialogRun*>(lParam));
        return TRUE; // focus on the first control that takes it
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            takeValues(window,
                       *reinterpret_cast<const DialogRun*>(GetWindowLongPtrA(window, DWLP_USER)));
            EndDialog(window, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) { // Cancel, Escape and the close box
            EndDialog(window, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

bool runModalDialog(const resources::DialogTemplate& dialog, DialogValues& values) {
    DialogRun run{&dialog, &values};
    // A Unicode dialog creates its controls from the template's texts as they are; an ANSI one
    // would first convert them to the host's code page, which turns the setup dialog's Cyrillic
    // "OK" into "??" outside Cyrillic code pages. The values still go through the "A" functions,
    // in the host's code page.
    const INT_PTR result =
        DialogBoxParamW(win32::pluginModule(), MAKEINTRESOURCEW(dialog.id), GetActiveWindow(),
                        &dialogProcedure, reinterpret_cast<LPARAM>(&run));
    return result == IDOK;
}

} // namespace stats::platform
