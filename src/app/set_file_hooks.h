#pragma once
// What the set, effect and drum file commands need from editors that live elsewhere. The
// shell wires them; every hook does nothing until then.

namespace app {

class SetFileHooks {
  public:
    virtual ~SetFileHooks() = default;
    // The QS300 voice editor edits a part's voice; a set load and "New" replace the
    // voices, so it closes first.
    virtual void closeQs300Editor() {}
    // The drum setups were replaced (a set or drum file was loaded, or "New"): the drum
    // editor shows the kits and values of the image again.
    virtual void drumSetupsReplaced() {}
    // Before "Refresh Drumsets" sends the drum setups again: the drum editor stores the
    // values it holds and the kit it shows into the setup it edits.
    virtual void storeDrumEdits() {}
    // "New" set the set, FX and drum file names back to their patterns; the QS300 voice
    // and bank commands forget theirs too.
    virtual void fileNamesForgotten() {}
};

} // namespace app
