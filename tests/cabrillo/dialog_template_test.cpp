// The one description of each dialog that every backend builds from.
#include "resources/dialog_template.h"
#include "scoring/section_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace stats::resources {
namespace {

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::Edit:
        return "edit";
    case ControlKind::MultiLineEdit:
        return "multi-line edit";
    case ControlKind::ComboBox:
        return "combo";
    case ControlKind::CheckBox:
        return "check box";
    case ControlKind::PushButton:
        return "button";
    case ControlKind::DefaultPushButton:
        return "default button";
    }
    return "?";
}

const Control* labelOf(const DialogTemplate& dialog, int id) {
    for (const Control& c : dialog.controls) {
        if (c.kind == ControlKind::Label && c.labelFor == id) {
            return &c;
        }
    }
    return nullptr;
}

// One line per control that is not a label: id, kind, its label or text, flags and the list as
// the operator sees it.
std::vector<std::string> described(const DialogTemplate& dialog) {
    std::vector<std::string> lines;
    for (const Control& c : dialog.controls) {
        if (c.kind == ControlKind::Label) {
            continue;
        }
        const Control* label = labelOf(dialog, c.id);
        std::string line = std::to_string(c.id) + " " + kindName(c.kind) + " \"" +
                           std::string(label != nullptr ? label->text : c.text) + "\"";
        line += c.sorted ? " sorted" : "";
        line += c.disabled ? " disabled" : "";
        line += label != nullptr && label->disabled ? " (label disabled)" : "";
        line += c.hidden ? " hidden" : "";
        for (std::string_view item : displayedItems(c)) {
            line += " " + std::string(item);
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(DialogTemplate, CabrilloHeader) {
    const DialogTemplate& d = cabrilloHeaderDialog();
    EXPECT_EQ(d.id, 101);
    EXPECT_EQ(d.caption, "UBA Spring Contest ");
    EXPECT_EQ(d.font, "MS Sans Serif");
    std::string locations = " DX --/--";
    for (std::size_t i = 0; i < 90; ++i) {
        locations += " " + std::string(SectionTable[i]);
    }
    EXPECT_EQ(
        described(d),
        (std::vector<std::string>{
            "1009 edit \"CONTEST\"",
            "1010 edit \"CALLSIGN\"",
            "1008 edit \"CLAIMED\"",
            "1013 combo \"CATEGORY-OPERATOR\" SINGLE-OP MULTI-ONE CHECKLOG",
            "1024 combo \"LOCATION\"" + locations,
            "1014 combo \"CATEGORY-BAND\" ALL BANDS 80M 40M 20M 15M 10M",
            "1016 combo \"CATEGORY-ASSISTED\" disabled (label disabled) ASSISTED NON-ASSISTED",
            "1020 edit \"CATEGORY-MODE\"",
            "1023 combo \"CATEGORY-OVERLAY\" sorted 12-HOURS 24-HOURS 6-HOURS ON3",
            "1021 combo \"CATEGORY-POWER\" sorted HIGH LOW QRP",
            "1025 combo \"CATEGORY-STATION\" sorted disabled (label disabled) EXPEDITION "
            "FIXED HQ MOBILE PORTABLE ROVER SCHOOL",
            "1022 combo \"CATEGORY-TRANSMITTER\" sorted disabled (label disabled) ONE TWO "
            "UNLIMITED",
            "1007 edit \"NAME\"",
            "1002 edit \"ADDRESS\"",
            "1003 edit \"ADDRESS-CITY\"",
            "1011 edit \"ADDRESS-STATE-PROVINCE\"",
            "1012 edit \"ADDRESS-POSTALCODE\"",
            "1015 edit \"ADDRESS-COUNTRY\"",
            "1006 edit \"OPERATORS\"",
            "1005 edit \"CLUB\"",
            "1001 multi-line edit \"SOAPBOX\"",
            "1004 edit \"E-MAIL\"",
            "1 button \"OK\"",
            "2 button \"CANCEL\"",
        }));
}

TEST(DialogTemplate, Setup) {
    const DialogTemplate& d = setupDialog();
    EXPECT_EQ(d.id, 104);
    EXPECT_EQ(d.caption, "Setup UBA Spring Contestt");
    EXPECT_EQ(d.font, "MS Shell Dlg");
    EXPECT_EQ(described(d), (std::vector<std::string>{
                                "1 default button \"\xD0\x9E\xD0\x9A\"",
                                "1015 check box \"  Use window Multiplier\" disabled hidden",
                                "1001 edit \"Input mode (CW or SSB)\"",
                                "1000 edit \"Input your UBA section Only forBelgian station\"",
                            }));
}

bool overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// A combo box's rectangle includes its drop-down list; on the dialog it takes one field's height.
Rect onDialog(const Control& c) {
    Rect r = c.rect;
    if (c.kind == ControlKind::ComboBox) {
        r.height = 12;
    }
    return r;
}

TEST(DialogTemplate, ControlsFitTheDialogWithoutOverlapping) {
    for (const DialogTemplate* d : {&cabrilloHeaderDialog(), &setupDialog()}) {
        SCOPED_TRACE(d->id);
        for (std::size_t i = 0; i < d->controls.size(); ++i) {
            const Control& a = d->controls[i];
            const Rect r = onDialog(a);
            EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.width <= d->rect.width &&
                        r.y + r.height <= d->rect.height)
                << a.id << " " << a.text;
            for (std::size_t j = i + 1; j < d->controls.size(); ++j) {
                EXPECT_FALSE(overlap(r, onDialog(d->controls[j])))
                    << a.id << " " << a.text << " / " << d->controls[j].id << " "
                    << d->controls[j].text;
            }
        }
    }
}

TEST(DialogTemplate, ControlsSitWhereTheirRowsSayTheyDo) {
    const DialogTemplate& header = cabrilloHeaderDialog();
    auto rect = [](const DialogTemplate& d, int id) { return d.find(id)->rect; };
    // CLAIMED shares the row of CALLSIGN, LOCATION that of CATEGORY-OPERATOR, each at the right.
    for (const auto& [left, right] : {std::pair{1010, 1008}, {1013, 1024}}) {
        EXPECT_EQ(rect(header, left).y, rect(header, right).y);
        EXPECT_GT(rect(header, right).x, rect(header, left).x + rect(header, left).width);
    }
    // Each header label stands at the left of its control, the setup labels at the right.
    for (const Control* c : header.valueControls()) {
        EXPECT_LT(labelOf(header, c->id)->rect.x, c->rect.x) << c->id;
    }
    const DialogTemplate& setup = setupDialog();
    for (int id : {1001, 1000}) {
        EXPECT_GT(labelOf(setup, id)->rect.x, rect(setup, id).x + rect(setup, id).width) << id;
    }
    EXPECT_GT(rect(setup, 1000).y, rect(setup, 1001).y);
}

TEST(DialogTemplate, ComboBoxOpensOnTheFirstShownItemThatBeginsWithItsValue) {
    const Control& operators = *cabrilloHeaderDialog().find(1013);
    const Control& overlay = *cabrilloHeaderDialog().find(1023); // sorted
    const struct {
        const Control& combo;
        const char* value;
        const char* opened;
    } cases[] = {
        {operators, "SINGLE-OP", "SINGLE-OP"},
        {operators, "multi", "MULTI-ONE"},
        {operators, "c", "CHECKLOG"},
        {operators, "SINGLE-OPS", "SINGLE-OPS"},
        {operators, "NONE", "NONE"},
        {overlay, "NONE", "NONE"},
        {overlay, "on", "ON3"},
        {overlay, "1", "12-HOURS"},
        {overlay, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(openedComboText(c.combo, c.value), c.opened) << c.value;
    }
}

} // namespace
} // namespace stats::resources
