#pragma once
// What the tool strip asks of the application shell: the screens that other parts of the
// program own, the about box, and the MIDI thru setting.

namespace effects {

class ToolStripHooks {
  public:
    virtual ~ToolStripHooks() = default;
    // The QS300 voice editor for a part that plays a user voice.
    virtual void openVoiceEditor(int /*part*/) {}
    virtual void toggleVirtualKeyboard() {}
    virtual void toggleDrumEditor() {}
    virtual void toggleKeyboardRange() {}
    virtual void showAbout() {}
    // MIDI thru was switched (the All Notes Off of switching it off has been sent).
    virtual void thruChanged(bool /*on*/) {}
};

} // namespace effects
