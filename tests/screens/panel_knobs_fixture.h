#pragma once
// The part editor and the effect editor in their panels, with every strip knob (send,
// volume, panorama) and every effect knob found by its name, for random edits made the
// way a user makes them: drags of the virtual pointer.

#include "editor/panels.h"
#include "effect_editor_fixture.h"

#include <vector>

namespace effects::testing {

struct PanelKnobsFixture : EffectEditorFixture {
    std::unique_ptr<editor::Panels> panels;
    std::vector<editor::NamedArea> knobs;

    void SetUp() override {
        EffectEditorFixture::SetUp();
        panels = std::make_unique<editor::Panels>(*editor);
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
        panels->mouseDown(editor::MouseButton::Left, {}, (area.rect.left + area.rect.right) / 2,
                          (area.rect.top + area.rect.bottom) / 2);
        for (int i = 0; i != dy; i += dy > 0 ? 1 : -1) {
            const auto [x, y] = host.clamp(host.pointerX, host.pointerY + (dy > 0 ? 1 : -1));
            host.pointerX = x;
            host.pointerY = y;
            panels->mouseMove({}, x, y);
        }
        panels->mouseUp(editor::MouseButton::Left, {}, host.pointerX, host.pointerY);
    }
    std::vector<Msg> takeSent() {
        auto all = backend.sent();
        backend.clearSent();
        return all;
    }
};

} // namespace effects::testing
