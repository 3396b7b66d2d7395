#include "drums/drum_editor.h"

#include "drums/drum_key_names.h"
#include "drums/drum_layout.h"
#include "image/drum_kits.h"
#include "image/part_modes.h"

#include <algorithm>

namespace drums {
namespace {

namespace off = image::offset;

constexpr std::uint8_t kNoteOn = 0x90;
constexpr int kChannelCount = 16;

// Where the lists lie on the panel: each kit list under its setup's header, the key list
// under the key header.
struct ListPlace {
    editor::PopupList list;
    int x;
    int y;
    int width;
    int height;
};
constexpr ListPlace kKit1Place{kKitList1, 8, 24, 81, 134};
constexpr ListPlace kKit2Place{kKitList2, 8, 182, 81, 134};
constexpr ListPlace kKeyPlace{kKeyList, 96, 24, 117, 292};

bool validSetup(int setup) {
    return setup == 1 || setup == 2;
}

} // namespace

DrumEditor::DrumEditor(image::SynthImage& image, midi::XgMessages& messages, midi::MidiPort& port,
                       editor::SurfaceHost& host)
    : image_(image), messages_(messages), port_(port), host_(host),
      picture_(kPanelWidth, kPanelHeight, QImage::Format_RGB32), canvas_(picture_),
      painter_(canvas_), engine_(host) {
    kits_ = {std::max(0, image::kitListIndex(image.drums[0].kit)),
             std::max(0, image::kitListIndex(image.drums[1].kit))};
    keyNames_ = kitKeyNames(kits_[0]);
    painter_.paintFixed();
    select(0, -1, Sound::Silent);
    redrawAll();
}

DrumEditor::~DrumEditor() = default;

// ---- the image -------------------------------------------------------------------------

image::DrumTable& DrumEditor::table() {
    return image_.drums[static_cast<std::size_t>(active_ - 1)].table;
}

image::DrumSlot* DrumEditor::key() {
    if (record_ < 0 || record_ >= image::kDrumSlotCount) return nullptr;
    return &table()[static_cast<std::size_t>(record_)];
}

int DrumEditor::kitIndex(int setup) const {
    return kits_[static_cast<std::size_t>(validSetup(setup) ? setup - 1 : 0)];
}

int DrumEditor::kitNumber(int setup) const {
    return image::kKitNumbers[static_cast<std::size_t>(kitIndex(setup))];
}

int DrumEditor::noteOfRecord() const {
    return image::DrumNote(kitNumber(active_), record_);
}

std::string DrumEditor::drumVoiceName(int setup) const {
    return (setup == 2 ? "D2:" : "D1:") + kitListName(kitIndex(setup));
}

// The key list entry of a note: the standard list names notes 13..84; an SFX kit's list
// runs along its note map.
int DrumEditor::listIndexOfNote(int note) const {
    const int kit = kitIndex(active_);
    const int entry = isSfxKit(kit) ? image::drumSlotForNote(kitNumber(active_), note)
                                    : note - image::kFirstDrumNote;
    return entry >= 0 && entry < static_cast<int>(keyNames_.size()) ? entry : -1;
}

int DrumEditor::firstKeyNote() const {
    return image::DrumNote(kitNumber(active_), 0);
}

// ---- selecting keys --------------------------------------------------------------------

void DrumEditor::select(int note, int listIndex, Sound sound) {
    stopSounding();
    if (sound != Sound::Silent && note > 0) {
        play(note);
        if (sound == Sound::Blip) stopSounding();
    }
    note_ = std::max(note, 0);
    keyIndex_ = listIndex;
    label_ = listIndex >= 0 ? keyNames_[static_cast<std::size_t>(listIndex)] : "NONE";
    record_ = note_ > 0 ? image::drumSlotForNote(kitNumber(active_), note_) : -1;
    painter_.paintKeyHighlight(note_, active_);
    painter_.paintKeyHeader(label_);
    RedrawDrumKey();
    if (shown_) showLists();
    repaint();
}

void DrumEditor::SelectDrumNote(int note) {
    select(note, listIndexOfNote(note), Sound::Silent);
}

void DrumEditor::SelectDrumKey(int listIndex) {
    if (listIndex < 0 || listIndex >= static_cast<int>(keyNames_.size())) return;
    const int note = isSfxKit(kitIndex(active_)) ? image::DrumNote(kitNumber(active_), listIndex)
                                                 : listIndex + image::kFirstDrumNote;
    // An SFX list entry past the kit's keys names no key.
    select(std::max(note, 0), listIndex, Sound::Blip);
}

void DrumEditor::clearSelection() {
    select(0, -1, Sound::Silent);
}

void DrumEditor::noteOnReceived(int note) {
    // A key played while a knob is held would move the rest of the drag onto that key.
    if (!shown_ || engine_.active()) return;
    if (note >= image::kFirstDrumNote && note <= kLastKeyboardNote)
        SelectDrumNote(note);
    else
        clearSelection();
}

void DrumEditor::RedrawDrumKey() {
    const image::DrumSlot* k = key();
    for (int knob = 1; knob <= kKnobCount; ++knob) painter_.paintKnob(knob, k, dragArea_ == knob);
    painter_.paintButtons(k);
    handles_ = painter_.paintEnvelope(k, EnvelopeMark::None);
    painter_.paintFilter(k, false);
}

// ---- notes the editor plays ------------------------------------------------------------

void DrumEditor::play(int note) {
    const int channel = image_.part(image_.currentPart, off::kReceiveChannel);
    // A part that receives on no channel cannot be heard.
    if (channel < 0 || channel >= kChannelCount || note < 0 || note > 127) return;
    port_.SendShort(static_cast<std::uint8_t>(kNoteOn | channel), static_cast<std::uint8_t>(note),
                    kPreviewVelocity);
    sounding_ = note;
}

void DrumEditor::stopSounding() {
    if (sounding_ == 0) return;
    const int channel = image_.part(image_.currentPart, off::kReceiveChannel);
    const int note = std::exchange(sounding_, 0);
    if (channel < 0 || channel >= kChannelCount) return;
    port_.SendShort(static_cast<std::uint8_t>(kNoteOn | channel), static_cast<std::uint8_t>(note),
                    0);
}

// ---- setups and kits -------------------------------------------------------------------

void DrumEditor::activate(int setup) {
    active_ = setup;
    keyNames_ = kitKeyNames(kitIndex(setup));
    painter_.paintSetupHeaders(active_);
}

void DrumEditor::SwitchDrumSetup(int setup) {
    if (!validSetup(setup)) return;
    activate(setup);
    // The same note stays selected; the other setup's kit may name it otherwise.
    select(note_, listIndexOfNote(note_), Sound::Silent);
}

void DrumEditor::SelectDrumKit(int setup, int listIndex) {
    if (!validSetup(setup) || listIndex < 0 || listIndex >= kKitListSize) return;
    kits_[static_cast<std::size_t>(setup - 1)] = listIndex;
    auto& drums = image_.drums[static_cast<std::size_t>(setup - 1)];
    const int kit = kitNumber(setup);
    drums.kit = kit;
    drums.slotCount = static_cast<int>(image::kitReference(kit).size());
    image::loadKitReference(drums.table, kit);
    drums.module = drums.table;
    drums.working = drums.table;
    activate(setup);
    SelectDrumNote(firstKeyNote());
    const int mode = setup == 1 ? image::kDrumSetup1Mode : image::kDrumSetup2Mode;
    for (int part = 0; part < image::kPartCount; ++part)
        if (image_.part(part, off::kPartMode) == mode) setPartToKit(part, setup);
}

// Part mode, bank and program of a part playing a setup, sent in that order.
void DrumEditor::setPartToKit(int part, int setup) {
    const int kit = kitNumber(setup);
    const bool sfx = kit >= image::kSfx1Kit;
    image_.part(part, off::kPartMode) =
        static_cast<image::Byte>(setup == 1 ? image::kDrumSetup1Mode : image::kDrumSetup2Mode);
    image_.part(part, off::kBankMsb) = sfx ? image::kBankSfxKit : image::kBankDrumKit;
    image_.part(part, off::kBankLsb) = 0;
    image_.part(part, off::kProgram) = static_cast<image::Byte>(sfx ? kit - image::kSfx1Kit : kit);
    for (int offset : {off::kPartMode, off::kBankMsb, off::kBankLsb, off::kProgram})
        messages_.SendPartParam(part, part * image::kPartRecordSize + offset,
                                image_.part(part, offset));
    if (partChanged_) partChanged_(part);
}

bool DrumEditor::ShowDrumEditor() {
    const int part = image_.currentPart;
    int mode = image_.part(part, off::kPartMode);
    if (mode < image::kDrumSetup1Mode) {
        const int chosen =
            chooser_ ? chooser_->chooseDrumPart(drumVoiceName(1), drumVoiceName(2)) : 0;
        if (chosen != image::kDrumSetup1Mode && chosen != image::kDrumSetup2Mode) return false;
        mode = chosen;
        setPartToKit(part, mode == image::kDrumSetup1Mode ? 1 : 2);
    }
    activate(mode == image::kDrumSetup1Mode ? 1 : 2);
    SelectDrumNote(firstKeyNote());
    return true;
}

void DrumEditor::showImageKits() {
    for (int setup = 1; setup <= 2; ++setup) {
        const int index =
            image::kitListIndex(image_.drums[static_cast<std::size_t>(setup - 1)].kit);
        if (index >= 0) kits_[static_cast<std::size_t>(setup - 1)] = index;
    }
    activate(active_);
    select(note_, listIndexOfNote(note_), Sound::Silent);
}

void DrumEditor::showRestored(const image::StepScope& scope) {
    if (scope.anyDrumKit() || scope.others) {
        showImageKits();
        return;
    }
    const auto& keys = scope.drumKeys[static_cast<std::size_t>(active_ - 1)];
    if (!shown_ || keys.none()) return;
    const bool shownKey = record_ >= 0 && record_ < image::kDrumSlotCount &&
                          keys.test(static_cast<std::size_t>(record_));
    if (!shownKey && keys.count() == 1) {
        // The one key the step changed is shown, as where the step happened.
        int slot = 0;
        while (!keys.test(static_cast<std::size_t>(slot))) ++slot;
        const int note = image::DrumNote(kitNumber(active_), slot);
        if (note > 0) SelectDrumNote(note);
        return;
    }
    if (!shownKey) return;
    RedrawDrumKey();
    repaint();
}

void DrumEditor::reset() {
    kits_ = {0, 0};
    activate(active_);
    select(note_, listIndexOfNote(note_), Sound::Silent);
}

void DrumEditor::partLeftDrumSetup() {
    if (shown_ && closeRequest_) closeRequest_();
}

// ---- the panel and its lists -----------------------------------------------------------

void DrumEditor::redrawAll() {
    painter_.paintFixed();
    painter_.paintSetupHeaders(active_);
    painter_.paintKeyHeader(label_);
    painter_.paintKeyHighlight(note_, active_);
    RedrawDrumKey();
    repaint();
}

void DrumEditor::showLists() {
    for (const ListPlace& place : {kKit1Place, kKit2Place}) {
        const int setup = place.list == kKitList1 ? 1 : 2;
        host_.showPopupList(place.list, place.x, place.y, place.width, place.height, kitListNames(),
                            kitIndex(setup));
        host_.enablePopupList(place.list, setup == active_);
    }
    host_.showPopupList(kKeyPlace.list, kKeyPlace.x, kKeyPlace.y, kKeyPlace.width, kKeyPlace.height,
                        keyNames_, keyIndex_);
}

void DrumEditor::shown() {
    shown_ = true;
    redrawAll();
    showLists();
}

void DrumEditor::hidden() {
    shown_ = false;
    if (pointerShape_ != editor::PointerShape::Default)
        host_.setPointerShape(editor::PointerShape::Default);
    pointerShape_ = editor::PointerShape::Default;
    stopSounding();
    for (editor::PopupList list : {kKitList1, kKitList2, kKeyList}) host_.hidePopupList(list);
}

void DrumEditor::popupListClicked(editor::PopupList list, int item, bool /*doubleClick*/) {
    if (list == kKeyList) SelectDrumKey(item);
    if (list == kKitList1) SelectDrumKit(1, item);
    if (list == kKitList2) SelectDrumKit(2, item);
}

void DrumEditor::repaint() {
    host_.repaint({0, 0, kPanelWidth - 1, kPanelHeight - 1});
}

} // namespace drums
