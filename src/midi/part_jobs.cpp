#include "midi/part_jobs.h"

#include "image/voice_pairs.h"
#include "midi/image_reset.h"
#include "midi/part_voice_steps.h"

namespace midi {
namespace {

namespace off = image::offset;

constexpr int kVoiceOffsets[] = {off::kPartMode, off::kBankMsb, off::kBankLsb, off::kProgram};

std::size_t at(int part) {
    return static_cast<std::size_t>(part);
}

// The voice group for one target. Returns false when the module did not take the voice.
bool copyVoice(image::SynthImage& image, XgMessages& messages, int source, int target,
               bool& copied) {
    const bool db50 = messages.options().type == SynthType::Db50;
    if (!image::voiceCopyAllowed(image, source, target, db50)) return true;
    for (int o : kVoiceOffsets) image.part(target, o) = image.part(source, o);
    copied = true;

    const image::Byte kind = image.userVoiceKind[at(source)];
    image.userVoiceKind[at(target)] = kind;
    image.pairFlagLow[at(target)] = 0;
    image.pairFlagHigh[at(target)] = 0;
    if (kind == image::kXgVoice) return true;

    // The source's voice becomes the edit voice and goes to the target under the
    // target's own user voice number; the title shows the name inside the dump.
    image.editVoice = image.partVoices[at(source)];
    image::VoiceDump& dump = image.partVoices[at(target)];
    dump = image.editVoice;
    dump[image::kVoiceDumpNumberByte] = static_cast<image::Byte>(target);
    if (!messages.SendQSVoice(dump)) return false;

    // The board plays elements 3 and 4 of the voice on the next part, under that part's
    // own user voice number.
    const int upper = target + 1;
    if (db50 && image::isFourElementVoice(dump) && upper < image::kPartCount) {
        image::VoiceDump& upperDump = image.partVoices[at(upper)];
        upperDump = image::upperHalfDump(dump, upper);
        image.userVoiceKind[at(upper)] = image::kXgVoice;
        image.pairFlagLow[at(upper)] = 1;
        image.pairFlagHigh[at(upper)] = 1;
        messages.SendQSVoice(upperDump);
        for (int o : kVoiceOffsets) {
            image.part(upper, o) =
                o == off::kProgram ? static_cast<image::Byte>(upper) : image.part(target, o);
            messages.SendPartParam(upper, upper * image::kPartRecordSize + o, image.part(upper, o));
        }
    }
    return true;
}

// A target that gets a voice of one part leaves the pair it belonged to, as choosing a
// voice for it does: otherwise its partner stays flagged as half of a voice that is gone.
// A voice over two parts pairs the target anew below.
void leavePair(image::SynthImage& image, XgMessages& messages, int source, int target) {
    if (messages.options().type == SynthType::Qs300) return;
    if (image.userVoiceKind[at(source)] == image::kTwoPartVoice) return;
    const bool db50 = messages.options().type == SynthType::Db50;
    if (!image::voiceCopyAllowed(image, source, target, db50)) return;
    // The source is never written, not even as the target's partner.
    if ((source & ~1) == (target & ~1)) return;
    ReleasePair(image, messages, target, false);
}

} // namespace

CopyOutcome CopyParts(image::SynthImage& image, XgMessages& messages, int source, int target,
                      const image::CopyChoice& choice) {
    CopyOutcome outcome;
    if (source < 0 || source >= image::kPartCount) return outcome;
    std::vector<int> targets;
    if (target == kAllPartsTarget) {
        for (int p = 0; p < image::kPartCount; ++p)
            if (p != source) targets.push_back(p);
    } else if (target >= 0 && target < image::kPartCount && target != source) {
        targets.push_back(target);
    }

    for (int t : targets) {
        // Before the groups: a released second part answers its own channel again, and a
        // copied "Channel" must win over that.
        if (choice[image::kVoiceGroup]) leavePair(image, messages, source, t);
        bool copied = image::copyPartGroups(image, source, t, choice);
        bool voiceTaken = true;
        if (choice[image::kVoiceGroup]) voiceTaken = copyVoice(image, messages, source, t, copied);
        if (copied) outcome.targets.push_back(t);
        if (!voiceTaken) {
            outcome.timedOut = true;
            break;
        }
    }
    // A module that did not answer would only time out again: the copy ends here, and
    // what was copied stays in the image.
    if (outcome.timedOut) return outcome;
    for (int t : outcome.targets)
        if (!messages.SendPart(t)) break;
    return outcome;
}

void InitializePart(image::SynthImage& image, XgMessages& messages, int part,
                    bool withDefaultVoice) {
    if (part < 0 || part >= image::kPartCount) return;
    // The default voice takes one part: a pair the part belonged to ends first, as when an
    // XG voice is chosen for it.
    if (withDefaultVoice && messages.options().type != SynthType::Qs300)
        ReleasePair(image, messages, part, false);
    ResetPart(messages, part, withDefaultVoice, true);
    if (!withDefaultVoice) return;
    image.userVoiceKind[at(part)] = image::kXgVoice;
    image.pairFlagLow[at(part)] = 0;
    image.pairFlagHigh[at(part)] = 0;
}

} // namespace midi
