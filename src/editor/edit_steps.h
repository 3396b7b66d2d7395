#pragma once
// Marks what the user does on the painted screens as undo steps the way a person counts
// them: a press and everything up to its release (a whole drag, however many values it
// sent) is one step, and so is a choice in a pop-up list or a menu command. A step is
// named after the control it began on and its part ("Reverb Send Part" and the number).

#include "editor/panels.h"
#include "editor/part_editor.h"
#include "editor/screen.h"
#include "midi/image_undo.h"

#include <string>
#include <vector>

namespace editor {

// A strip control's "P<n> Reverb Send" becomes "Reverb Send Part <n>", an effect row's
// "Reverb type list" becomes "Reverb Type"; other names stay as they are.
std::string actionName(const std::string& areaName);

// After an undo or redo: the step's part is made current and every screen, shown or not,
// paints what the step changed (a hidden one only keeps up with the image).
void showRestored(Panels& panels, PartEditor& surface, const image::UndoStep& step);

class EditSteps {
  public:
    explicit EditSteps(midi::ImageUndo& undo) : undo_(undo) {}

    // A step begins; one still open ends first. A step stays open until end() or the next
    // begin, so that what a modal dialog changes after the press still belongs to it.
    void begin(std::string action);
    void end();
    bool open() const { return open_; }

    // A press on a screen: a step named after the control under the point.
    void pressed(const Screen& screen, int x, int y);
    // A choice in a pop-up list belongs to the control that opened the list.
    void listChosen();

  private:
    struct Press {
        const Screen* screen = nullptr;
        int x = 0;
        int y = 0;
    };
    // Names the step that just ended after the control pressed.
    void nameAfterPress();

    midi::ImageUndo& undo_;
    bool open_ = false;
    bool namedByPress_ = false;
    Press press_;
};

} // namespace editor
