#include "app/drum_part_prompt.h"

#include "drums/drum_part_window.h"

namespace app {

int DrumPartPrompt::chooseDrumPart(const std::string& setup1Voice, const std::string& setup2Voice) {
    drums::DrumPartWindow window(setup1Voice, setup2Voice, parent_);
    prompts_.runModal(window);
    return window.drumDialogResult();
}

} // namespace app
