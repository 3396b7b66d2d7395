// The painted picture against the hit rectangles: every control the drawing toolkit drew
// for a named rectangle must lie inside it, and rectangles of different controls must not
// overlap except where the press order decides on purpose. The drawn controls come from
// the toolkit's own record, so a control moved on screen without its rectangle shows.

#include "aids/range_page.h"
#include "aids/virtual_keyboard.h"
#include "draw/canvas.h"
#include "draw/drawn_controls.h"
#include "drums/drum_editor.h"
#include "drums/drum_layout.h"
#include "editor/panel_host.h"
#include "effect_editor_fixture.h"
#include "image/effect_types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace effects::testing {
namespace {

using draw::DrawnControl;
using draw::DrawnKind;
using editor::NamedArea;
using image::EffectKind;

std::string describe(const draw::HitRect& r) {
    std::ostringstream text;
    text << '(' << r.left << ',' << r.top << ")-(" << r.right << ',' << r.bottom << ')';
    return text.str();
}

bool inside(const draw::HitRect& inner, const draw::HitRect& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

// The knob sprite is centred on its pointer ring, one pixel right of and below the centre
// of a 22 x 22 page rectangle: its rim may reach one pixel past the right and bottom edge.
draw::HitRect body(const DrawnControl& control) {
    draw::HitRect area = control.area;
    if (control.kind == DrawnKind::Knob) {
        --area.right;
        --area.bottom;
    }
    return area;
}

bool overlap(const draw::HitRect& a, const draw::HitRect& b) {
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// Each drawn control of a named rectangle inside one of the rectangles of that name; a
// graph handle (drawn without a name) inside some rectangle.
std::vector<std::string> misplacedControls(const std::vector<DrawnControl>& drawn,
                                           const std::vector<NamedArea>& areas) {
    std::vector<std::string> faults;
    for (const DrawnControl& control : drawn) {
        if (control.owner.empty() && control.kind != DrawnKind::Handle) continue;
        const bool placed = std::any_of(areas.begin(), areas.end(), [&](const NamedArea& area) {
            return (control.owner.empty() || area.name == control.owner) &&
                   inside(body(control), area.rect);
        });
        if (placed) continue;
        std::string fault = std::string(draw::drawnKindName(control.kind)) + " of \"" +
                            control.owner + "\" drawn at " + describe(control.area);
        for (const NamedArea& area : areas)
            if (area.name == control.owner) fault += ", its area is " + describe(area.rect);
        faults.push_back(fault);
    }
    return faults;
}

// Pairs of rectangles of different controls that share pixels, less the pairs the press
// order settles on purpose.
std::vector<std::string>
overlappingAreas(const std::vector<NamedArea>& areas,
                 const std::set<std::pair<std::string, std::string>>& allowed) {
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < areas.size(); ++i)
        for (std::size_t j = i + 1; j < areas.size(); ++j) {
            const NamedArea& a = areas[i];
            const NamedArea& b = areas[j];
            if (a.name == b.name || !overlap(a.rect, b.rect)) continue;
            if (allowed.count({a.name, b.name}) || allowed.count({b.name, a.name})) continue;
            faults.push_back("\"" + a.name + "\" " + describe(a.rect) + " overlaps \"" + b.name +
                             "\" " + describe(b.rect));
        }
    return faults;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return text;
}

// Neighbouring white keys of the scale-tuning keyboard share two columns: the lower parts
// are 21 pixels wide at a pitch of 19, and the key first in table order (the lower note)
// takes a press on the shared columns.
const std::set<std::pair<std::string, std::string>> kOrderedOverlaps = {
    {"Scale Tuning C", "Scale Tuning D"}, {"Scale Tuning D", "Scale Tuning E"},
    {"Scale Tuning E", "Scale Tuning F"}, {"Scale Tuning F", "Scale Tuning G"},
    {"Scale Tuning G", "Scale Tuning A"}, {"Scale Tuning A", "Scale Tuning B"},
};

struct HotAreas : EffectEditorFixture {
    draw::DrawnControls record;

    // Paints the whole surface with the record on and checks it against the rectangles.
    void paintAndCheck(const std::string& state) {
        record.clear();
        editor->canvas().setDrawnControls(&record);
        editor->redrawAll();
        editor->canvas().setDrawnControls(nullptr);
        checkRecorded(state);
    }

    void checkRecorded(const std::string& state) {
        const std::vector<NamedArea> areas = editor->hitAreas();
        EXPECT_TRUE(misplacedControls(record.items(), areas).empty())
            << state << joined(misplacedControls(record.items(), areas));
        EXPECT_TRUE(overlappingAreas(areas, kOrderedOverlaps).empty())
            << state << joined(overlappingAreas(areas, kOrderedOverlaps));
        // Every knob and button a press can reach was drawn under its rectangle's name, so
        // none of the checks above passed by having nothing to check.
        std::set<std::string> owners;
        for (const DrawnControl& control : record.items()) owners.insert(control.owner);
        for (const char* name :
             {"Master Tune", "Master Volume", "Transpose", "QS300 EDIT", "KEYB", "DRUM", "RANGE",
              "INS", "SYS", "Reverb type list", "P1 Reverb Send", "P16 Volume", "Vibrato Delay"})
            EXPECT_TRUE(owners.count(name)) << state << ": nothing drawn for " << name;
    }
};

TEST_F(HotAreas, TheFirstPictureMatchesItsRectangles) {
    paintAndCheck("as first shown");
}

TEST_F(HotAreas, EveryEffectTypeInBothConnections) {
    for (bool system : {false, true}) {
        effects->SetVariationConnection(system);
        for (EffectKind kind : {EffectKind::Reverb, EffectKind::Chorus, EffectKind::Variation}) {
            const int count = static_cast<int>(image::effectTypes(kind).size());
            for (int type = 0; type < count; ++type) {
                record.clear();
                editor->canvas().setDrawnControls(&record);
                if (kind == EffectKind::Reverb) effects->ShowReverb(type);
                if (kind == EffectKind::Chorus) effects->ShowChorus(type);
                if (kind == EffectKind::Variation) effects->ShowVariation(type);
                editor->redrawAll();
                editor->canvas().setDrawnControls(nullptr);
                const auto areas = editor->hitAreas();
                const auto faults = misplacedControls(record.items(), areas);
                ASSERT_TRUE(faults.empty())
                    << (system ? "SYS" : "INS") << " type " << type << " of row "
                    << static_cast<int>(kind) << joined(faults);
                ASSERT_TRUE(overlappingAreas(areas, kOrderedOverlaps).empty())
                    << joined(overlappingAreas(areas, kOrderedOverlaps));
            }
        }
    }
}

TEST_F(HotAreas, EveryPartsPageAndTheOpenControllerList) {
    for (int part = 0; part < 16; ++part) {
        editor->selectPart(part);
        paintAndCheck("part " + std::to_string(part + 1) + " current");
    }
    // "AC1 =" pressed: its list is open and the button is drawn pressed.
    record.clear();
    editor->canvas().setDrawnControls(&record);
    for (const NamedArea& area : editor->hitAreas())
        if (area.name == "AC1 =") {
            press(area.rect.left + 2, area.rect.top + 2);
            release();
        }
    editor->canvas().setDrawnControls(nullptr);
    ASSERT_TRUE(host.popupShown.has_value());
    EXPECT_TRUE(misplacedControls(record.items(), editor->hitAreas()).empty())
        << joined(misplacedControls(record.items(), editor->hitAreas()));
}

// The drum setup editor's panel with a key selected: knobs, buttons and envelope handles
// inside their rectangles; a black key lies over its white neighbours on purpose.
TEST_F(HotAreas, TheDrumPanelMatchesItsRectangles) {
    drums::DrumEditor panel(*image, xg, port, host);
    for (int note : {36, 13, 91}) {
        panel.SelectDrumNote(note);
        record.clear();
        panel.canvas().setDrawnControls(&record);
        panel.redrawAll();
        panel.canvas().setDrawnControls(nullptr);
        const auto areas = panel.hitAreas();
        EXPECT_TRUE(misplacedControls(record.items(), areas).empty())
            << joined(misplacedControls(record.items(), areas));
        std::set<std::pair<std::string, std::string>> keys;
        for (int black = 13; black <= 91; ++black)
            if (drums::isBlackKey(black))
                for (int white : {black - 1, black + 1})
                    keys.insert({"Key " + std::to_string(black), "Key " + std::to_string(white)});
        EXPECT_TRUE(overlappingAreas(areas, keys).empty()) << joined(overlappingAreas(areas, keys));
        std::set<std::string> owners;
        for (const DrawnControl& control : record.items()) owners.insert(control.owner);
        for (const char* name : {"ATTACK", "LEVEL", "ALT.GROUP", "SINGLE", "NOTE OFF",
                                 "Attack handle", "Decay 1 handle", "Decay 2 handle"})
            EXPECT_TRUE(owners.count(name)) << "nothing drawn for " << name;
    }
}

// The range page in its first layout and in the six built-in ones, and the virtual
// keyboard: handles and buttons lie inside the rectangles that take them.
TEST_F(HotAreas, TheRangePageAndTheVirtualKeyboardMatchTheirRectangles) {
    editor::PanelHost pageHost(host, editor::Panel::KeyboardRange);
    aids::RangePage page(*image, xg, *editor, pageHost);
    for (int layout = 0; layout <= aids::kBuiltInLayouts; ++layout) {
        if (layout > 0) {
            const auto& r = aids::rangeButtons()[static_cast<std::size_t>(layout - 1)].rect;
            page.mouseDown(editor::MouseButton::Left, {}, r.left + 2, r.top + 2);
            page.mouseUp(editor::MouseButton::Left, {}, r.left + 2, r.top + 2);
        }
        record.clear();
        page.paintRecorded(&record);
        const auto areas = page.hitAreas();
        EXPECT_TRUE(misplacedControls(record.items(), areas).empty())
            << "layout " << layout << joined(misplacedControls(record.items(), areas));
        EXPECT_TRUE(overlappingAreas(areas, {}).empty())
            << "layout " << layout << joined(overlappingAreas(areas, {}));
        std::set<std::string> owners;
        for (const DrawnControl& control : record.items()) owners.insert(control.owner);
        for (const char* name :
             {"P1 Low Limit", "P16 High Limit", "SET  6", "RESET", "PART DEFAULT"})
            EXPECT_TRUE(owners.count(name)) << "nothing drawn for " << name;
    }

    aids::VirtualKeyboard keyboard(*image, port, host);
    record.clear();
    keyboard.paintRecorded(&record);
    EXPECT_TRUE(misplacedControls(record.items(), keyboard.hitAreas()).empty())
        << joined(misplacedControls(record.items(), keyboard.hitAreas()));
    EXPECT_TRUE(overlappingAreas(keyboard.hitAreas(), {}).empty());
    EXPECT_EQ(record.items().size(), 4u) << "three buttons and the velocity box";
}

} // namespace
} // namespace effects::testing
