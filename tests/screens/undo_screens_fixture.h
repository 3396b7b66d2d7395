#pragma once
// The part editor and the effect rows in their panels, every press marked as an undo step,
// and the undo that sends the difference.

#include "editor/edit_steps.h"
#include "midi/image_undo.h"
#include "panel_knobs_fixture.h"

#include <memory>
#include <string>
#include <vector>

namespace undo_screens_testing {

using Msg = std::vector<std::uint8_t>;

struct UndoScreens : effects::testing::PanelKnobsFixture {
    std::unique_ptr<midi::ImageUndo> undo;
    std::unique_ptr<editor::EditSteps> steps;

    void SetUp() override {
        PanelKnobsFixture::SetUp();
        undo = std::make_unique<midi::ImageUndo>(*image, xg);
        steps = std::make_unique<editor::EditSteps>(*undo);
        panels->setEditSteps(steps.get());
    }
    void TearDown() override {
        panels.reset();
        PanelKnobsFixture::TearDown();
    }
    // A shown control by name, in surface coordinates.
    editor::NamedArea area(const std::string& name) const {
        for (const auto& named : panels->hitAreas())
            if (named.name == name) return named;
        ADD_FAILURE() << "no area " << name;
        return {};
    }
};

} // namespace undo_screens_testing
