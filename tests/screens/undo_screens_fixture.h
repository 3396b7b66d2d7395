#pragma once
// The part editor with the effect rows, the panels marking every press as an undo step,
// and the undo that sends the difference; drags through the panels as the window does.

#include "editor/edit_steps.h"
#include "editor/panels.h"
#include "effect_editor_fixture.h"
#include "midi/image_undo.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace undo_screens_testing {

using editor::MouseButton;
using Msg = std::vector<std::uint8_t>;

struct UndoScreens : effects::testing::EffectEditorFixture {
    std::unique_ptr<midi::ImageUndo> undo;
    std::unique_ptr<editor::EditSteps> steps;
    std::unique_ptr<editor::Panels> panels;
    std::vector<editor::NamedArea> knobs;

    void SetUp() override {
        EffectEditorFixture::SetUp();
        undo = std::make_unique<midi::ImageUndo>(*image, xg);
        steps = std::make_unique<editor::EditSteps>(*undo);
        panels = std::make_unique<editor::Panels>(*editor);
        panels->setEditSteps(steps.get());
        for (const auto& area : panels->hitAreas()) {
            const bool stripKnob = area.name[0] == 'P' && (area.name.ends_with(" Send") ||
                                                           area.name.ends_with(" Volume") ||
                                                           area.name.ends_with(" Panorama"));
            if (stripKnob || area.name.find(" knob ") != std::string::npos) knobs.push_back(area);
        }
    }
    void TearDown() override {
        panels.reset();
        EffectEditorFixture::TearDown();
    }

    void drag(const editor::NamedArea& area, int dy) {
        panels->mouseDown(MouseButton::Left, {}, (area.rect.left + area.rect.right) / 2,
                          (area.rect.top + area.rect.bottom) / 2);
        for (int i = 0; i != dy; i += dy > 0 ? 1 : -1) {
            const auto [x, y] = host.clamp(host.pointerX, host.pointerY + (dy > 0 ? 1 : -1));
            host.pointerX = x;
            host.pointerY = y;
            panels->mouseMove({}, x, y);
        }
        panels->mouseUp(MouseButton::Left, {}, host.pointerX, host.pointerY);
    }
    // A shown control by name, in surface coordinates.
    editor::NamedArea area(const std::string& name) const {
        for (const auto& named : panels->hitAreas())
            if (named.name == name) return named;
        ADD_FAILURE() << "no area " << name;
        return {};
    }
    std::vector<Msg> takeSent() {
        auto all = backend.sent();
        backend.clearSent();
        return all;
    }
};

} // namespace undo_screens_testing
