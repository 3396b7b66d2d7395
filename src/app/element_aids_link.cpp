#include "app/element_aids_link.h"

#include "app/element_copy_dialog.h"
#include "app/element_scan_dialog.h"
#include "app/prompts.h"
#include "app/random_voice_dialog.h"
#include "app/session.h"
#include "midi/qs_element_scan.h"
#include "midi/qs_random_voice.h"

namespace app {

ElementAidsLink::ElementAidsLink(Session& session, Prompts& prompts, QWidget& parent,
                                 qs300::VoiceEditor& editor)
    : session_(session), prompts_(prompts), parent_(parent), editor_(editor),
      random_(midi::makeClockSeededRandom()) {}

ElementAidsLink::~ElementAidsLink() = default;

bool ElementAidsLink::run(qs300::Command command) {
    if (!editor_.isOpen()) return false;
    reportErrors(prompts_, &parent_, [&] {
        switch (command) {
        case qs300::Command::Random:
            runRandom();
            break;
        case qs300::Command::Copy:
            runCopy();
            break;
        case qs300::Command::Scan:
            runScan();
            break;
        default:
            break;
        }
    });
    editor_.redrawAll();
    return command == qs300::Command::Random || command == qs300::Command::Copy ||
           command == qs300::Command::Scan;
}

void ElementAidsLink::runRandom() {
    midi::QsRandomVoice random(editor_.edit(), session_.messages(), session_.port(),
                               session_.image().bank, *random_, memory_);
    random.begin();
    TFzufall dialog([&random] { random.next(); }, &parent_);
    // The first proposal plays as the dialog comes up.
    dialog.Button3Click();
    prompts_.runModal(dialog);
    if (dialog.result() == QDialog::Accepted) random.acceptProposal();
    random.finish();
}

void ElementAidsLink::runCopy() {
    auto& edit = editor_.edit();
    TEcop dialog(&parent_);
    dialog.prepare(edit.currentElement(), edit.fourElements());
    prompts_.runModal(dialog);
    if (dialog.result() == QDialog::Accepted)
        edit.copyElement(dialog.source(), dialog.destination());
}

void ElementAidsLink::runScan() {
    auto& edit = editor_.edit();
    midi::QsElementScan scan(edit, session_.messages(), session_.port(), session_.image().bank,
                             memory_);
    scan.begin();
    TEscan dialog(
        scan, session_.image().bank, [this] { editor_.redrawAll(); }, &parent_);
    dialog.prepare(edit.fourElements());
    prompts_.runModal(dialog);
    scan.finish();
}

} // namespace app
