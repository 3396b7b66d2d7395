#pragma once
// The drum editor's question before a normal part becomes a drum part, asked with the
// painted drum part dialog as a modal window.

#include "app/prompts.h"
#include "drums/drum_editor.h"

class QWidget;

namespace app {

class DrumPartPrompt final : public drums::DrumPartChooser {
  public:
    DrumPartPrompt(Prompts& prompts, QWidget* parent) : prompts_(prompts), parent_(parent) {}
    int chooseDrumPart(const std::string& setup1Voice, const std::string& setup2Voice) override;

  private:
    Prompts& prompts_;
    QWidget* parent_;
};

} // namespace app
