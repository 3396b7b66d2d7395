#include "image/step_scope.h"

#include <algorithm>
#include <cstddef>

namespace image {

namespace {

// The bytes of a run that fall into one field of the image, relative to the field's start.
struct Overlap {
    std::size_t begin = 0;
    std::size_t end = 0; // exclusive
};

class RunScope {
  public:
    RunScope(const ChangedRun& run, StepScope& scope)
        : from_(run.offset), to_(run.offset + run.before.size()), scope_(scope) {}

    // Calls `f(overlap)` when the run reaches into the field; counts the bytes it covered.
    template <typename F> void field(std::size_t start, std::size_t size, F&& f) {
        const std::size_t b = std::max(from_, start);
        const std::size_t e = std::min(to_, start + size);
        if (b >= e) return;
        covered_ += e - b;
        f(Overlap{b - start, e - start});
    }
    // Every array entry of `entrySize` bytes the run reaches marks its part's voice.
    void perPart(std::size_t start, std::size_t entrySize) {
        field(start, entrySize * kPartCount, [&](Overlap o) {
            for (std::size_t p = o.begin / entrySize; p <= (o.end - 1) / entrySize; ++p) {
                scope_.parts[p] = true;
                scope_.partVoices[p] = true;
            }
        });
    }
    // The bytes of the part table that really changed (a run also holds short unchanged
    // gaps).
    void partTable(const ChangedRun& run) {
        field(offsetof(SynthImage, parts), kPartTableSize, [&](Overlap o) {
            const std::size_t into = o.begin + offsetof(SynthImage, parts) - from_;
            for (std::size_t at = o.begin; at < o.end; ++at) {
                const std::size_t i = into + at - o.begin;
                if (run.before[i] == run.after[i]) continue;
                const std::size_t p = at / kPartRecordSize;
                scope_.parts[p] = true;
                scope_.partBytes[p].set(at % kPartRecordSize);
            }
        });
    }
    // Bytes between and outside the known fields.
    void finish() {
        if (covered_ < to_ - from_) scope_.others = true;
    }

    // The data bytes of the edit voice that really changed; the header and the checksum
    // show nowhere.
    void editVoice(const ChangedRun& run) {
        field(offsetof(SynthImage, editVoice), sizeof(VoiceDump), [&](Overlap o) {
            constexpr std::size_t common = kVoiceDumpDataStart;
            constexpr std::size_t elements = common + kVoiceCommonSize;
            constexpr std::size_t end = elements + 4 * kVoiceElementSize;
            for (std::size_t at = o.begin; at < o.end; ++at) {
                const std::size_t i = at + offsetof(SynthImage, editVoice) - from_;
                if (run.before[i] == run.after[i] || at < common || at >= end) continue;
                if (at < elements) {
                    scope_.editCommon = true;
                    continue;
                }
                scope_.editElements |= 1u << ((at - elements) / kVoiceElementSize);
                scope_.editElementBytes.set((at - elements) % kVoiceElementSize);
            }
        });
    }

  private:
    std::size_t from_;
    std::size_t to_;
    std::size_t covered_ = 0;
    StepScope& scope_;
};

void markRun(const ChangedRun& run, StepScope& scope) {
    RunScope r(run, scope);
    r.partTable(run);
    r.field(offsetof(SynthImage, system), sizeof(SystemBlock),
            [&](Overlap) { scope.system = true; });
    r.field(offsetof(SynthImage, reverb), sizeof(ReverbState),
            [&](Overlap) { scope.effects[0] = true; });
    r.field(offsetof(SynthImage, chorus), sizeof(ChorusState),
            [&](Overlap) { scope.effects[1] = true; });
    r.field(offsetof(SynthImage, variation), sizeof(VariationState),
            [&](Overlap) { scope.effects[2] = true; });
    for (std::size_t s = 0; s < 2; ++s) {
        const std::size_t setup = offsetof(SynthImage, drums) + s * sizeof(DrumSetup);
        const std::size_t table = setup + offsetof(DrumSetup, table);
        r.field(table, sizeof(DrumTable), [&](Overlap o) {
            for (std::size_t k = o.begin / sizeof(DrumSlot); k <= (o.end - 1) / sizeof(DrumSlot);
                 ++k)
                scope.drumKeys[s].set(k);
        });
        // The rest of the setup: what the module holds, the reference values, the kit.
        r.field(table + sizeof(DrumTable),
                sizeof(DrumSetup) - offsetof(DrumSetup, table) - sizeof(DrumTable),
                [&](Overlap) { scope.drumKits[s] = true; });
        r.field(setup, offsetof(DrumSetup, table), [&](Overlap) { scope.drumKits[s] = true; });
    }
    r.editVoice(run);
    r.perPart(offsetof(SynthImage, partVoices), sizeof(VoiceDump));
    r.perPart(offsetof(SynthImage, userVoiceKind), 1);
    r.perPart(offsetof(SynthImage, pairFlagLow), 1);
    r.perPart(offsetof(SynthImage, pairFlagHigh), 1);
    r.perPart(offsetof(SynthImage, restoreProgram), 1);
    r.perPart(offsetof(SynthImage, restoreBankLsbFlag), 1);
    r.finish();
}

} // namespace

bool StepScope::anyPart() const {
    return std::find(parts.begin(), parts.end(), true) != parts.end();
}

StepScope scopeOf(const UndoStep& step) {
    StepScope scope;
    for (const ChangedRun& run : step.runs) markRun(run, scope);
    return scope;
}

} // namespace image
