#pragma once
// The voice editor's "RANDOM", "COPY" and "SCAN " buttons: each opens its dialog over the
// editor window and leaves the editor showing the result. What these remember (the last
// random voice, the scanned list and entries) lasts as long as the window.

#include "midi/qs_scan_dumps.h"
#include "midi/random_source.h"
#include "qs300/voice_editor.h"

#include <memory>

class QWidget;

namespace app {

class Prompts;
class Session;

class ElementAidsLink {
  public:
    ElementAidsLink(Session& session, Prompts& prompts, QWidget& parent,
                    qs300::VoiceEditor& editor);
    ~ElementAidsLink();

    // Runs the dialog behind the command; false for other commands.
    bool run(qs300::Command command);
    // Tests replace the clock-seeded generator.
    void setRandomSource(std::unique_ptr<midi::RandomSource> random) {
        random_ = std::move(random);
    }

  private:
    void runRandom();
    void runCopy();
    void runScan();

    Session& session_;
    Prompts& prompts_;
    QWidget& parent_;
    qs300::VoiceEditor& editor_;
    midi::ElementAidsMemory memory_;
    std::unique_ptr<midi::RandomSource> random_;
};

} // namespace app
