// Template 101: the Cabrillo header, one row per header field, labels at the left.
#include "resources/dialog_template.h"
#include "scoring/section_table.h"

namespace stats::resources {
namespace {

constexpr int kLabelX = 7;
constexpr int kFieldX = 112;
constexpr int kFieldWidth = 96;
constexpr int kRightLabelX = 214;
constexpr int kRightFieldX = 262;
constexpr int kRightFieldWidth = 64;
constexpr int kRowHeight = 15;
constexpr int kTop = 7;
constexpr int kListHeight = 120; // a combo box's rectangle includes its drop-down list

int rowY(int row) {
    return kTop + row * kRowHeight;
}

Control label(std::string_view text, int row, int forId, bool disabled = false, int x = kLabelX,
              int width = kFieldX - kLabelX - 4) {
    return {.id = -1,
            .kind = ControlKind::Label,
            .text = text,
            .rect = {x, rowY(row) + 2, width, 8},
            .disabled = disabled,
            .labelFor = forId};
}

Control edit(int id, int row, int x = kFieldX, int width = kFieldWidth) {
    return {.id = id, .kind = ControlKind::Edit, .rect = {x, rowY(row), width, 12}};
}

Control combo(int id, int row, std::vector<std::string_view> items, bool sorted = false,
              bool disabled = false, int x = kFieldX, int width = kFieldWidth) {
    return {.id = id,
            .kind = ControlKind::ComboBox,
            .rect = {x, rowY(row), width, kListHeight},
            .items = std::move(items),
            .sorted = sorted,
            .disabled = disabled};
}

std::vector<std::string_view> locations() {
    std::vector<std::string_view> items{"DX", "--/--"};
    items.insert(items.end(), SectionTable.begin(), SectionTable.end() - 2); // all but RK and SE
    return items;
}

DialogTemplate build() {
    DialogTemplate t{101, "UBA Spring Contest ", "MS Sans Serif", 8, {0, 0, 334, 0}, {}};
    auto& c = t.controls;
    int row = 0;
    c.push_back(label("CONTEST", row, 1009));
    c.push_back(edit(1009, row++));
    c.push_back(label("CALLSIGN", row, 1010));
    c.push_back(edit(1010, row));
    c.push_back(label("CLAIMED", row, 1008, false, kRightLabelX, 44));
    c.push_back(edit(1008, row++, kRightFieldX, kRightFieldWidth));
    c.push_back(label("CATEGORY-OPERATOR", row, 1013));
    c.push_back(combo(1013, row, {"SINGLE-OP", "MULTI-ONE", "CHECKLOG"}));
    c.push_back(label("LOCATION", row, 1024, false, kRightLabelX, 44));
    c.push_back(combo(1024, row++, locations(), false, false, kRightFieldX, kRightFieldWidth));
    c.push_back(label("CATEGORY-BAND", row, 1014));
    c.push_back(combo(1014, row++, {"ALL BANDS", "80M", "40M", "20M", "15M", "10M"}));
    c.push_back(label("CATEGORY-ASSISTED", row, 1016, true));
    c.push_back(combo(1016, row++, {"ASSISTED", "NON-ASSISTED"}, false, true));
    c.push_back(label("CATEGORY-MODE", row, 1020));
    c.push_back(edit(1020, row++));
    c.push_back(label("CATEGORY-OVERLAY", row, 1023));
    c.push_back(combo(1023, row++, {"6-HOURS", "12-HOURS", "24-HOURS", "ON3"}, true));
    c.push_back(label("CATEGORY-POWER", row, 1021));
    c.push_back(combo(1021, row++, {"HIGH", "LOW", "QRP"}, true));
    c.push_back(label("CATEGORY-STATION", row, 1025, true));
    c.push_back(combo(1025, row++,
                      {"FIXED", "MOBILE", "PORTABLE", "ROVER", "EXPEDITION", "HQ", "SCHOOL"}, true,
                      true));
    c.push_back(label("CATEGORY-TRANSMITTER", row, 1022, true));
    c.push_back(combo(1022, row++, {"ONE", "TWO", "UNLIMITED"}, true, true));
    const std::pair<int, std::string_view> plainEdits[] = {{1007, "NAME"},
                                                           {1002, "ADDRESS"},
                                                           {1003, "ADDRESS-CITY"},
                                                           {1011, "ADDRESS-STATE-PROVINCE"},
                                                           {1012, "ADDRESS-POSTALCODE"},
                                                           {1015, "ADDRESS-COUNTRY"},
                                                           {1006, "OPERATORS"},
                                                           {1005, "CLUB"}};
    for (const auto& [id, text] : plainEdits) {
        c.push_back(label(text, row, id));
        c.push_back(edit(id, row++, kFieldX, 214));
    }
    c.push_back(label("SOAPBOX", row, 1001));
    c.push_back(
        {.id = 1001, .kind = ControlKind::MultiLineEdit, .rect = {kFieldX, rowY(row), 214, 40}});
    row += 3;
    c.push_back(label("E-MAIL", row, 1004));
    c.push_back(edit(1004, row++, kFieldX, 214));
    const int buttonY = rowY(row) + 6;
    c.push_back(
        {.id = 1, .kind = ControlKind::PushButton, .text = "OK", .rect = {112, buttonY, 50, 14}});
    c.push_back({.id = 2,
                 .kind = ControlKind::PushButton,
                 .text = "CANCEL",
                 .rect = {172, buttonY, 50, 14}});
    t.rect.height = buttonY + 14 + 7;
    return t;
}

} // namespace

const DialogTemplate& cabrilloHeaderDialog() {
    static const DialogTemplate dialog = build();
    return dialog;
}

} // namespace stats::resources
