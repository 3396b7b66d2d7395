#pragma once
// The effect type memory: every type of a row keeps the block the user last had for it,
// so that switching away from a type and back brings the user's settings back. The
// current blocks and the stored rows live in the synth image; this class keeps which type
// was shown before and which type the LED switches back on.

#include "image/synth_image.h"

#include <array>

namespace effects {

class TypeMemory {
  public:
    explicit TypeMemory(image::SynthImage& image) : image_(image) { restart(); }

    // Previous and last types follow the image's current types (after a reset or a load).
    void restart();

    // `ShowReverb` / `ShowChorus` / `ShowVariation` without the drawing: unless type saving
    // is suppressed the current block goes into the memory of the previous type, then the
    // new type becomes current and, when it has a stored block, that block is loaded. A
    // type outside the row's list is ignored (returns false).
    bool changeType(image::EffectKind kind, int type);

    // The shown type becomes the previous one (before a list choice or the LED).
    void rememberCurrent(image::EffectKind kind);

    // The current block becomes the stored block of the current type (a loaded block, so
    // that showing its type brings the loaded values and not the old ones).
    void storeCurrent(image::EffectKind kind);

    int current(image::EffectKind kind) const;
    int previous(image::EffectKind kind) const { return rows_[index(kind)].previous; }
    int last(image::EffectKind kind) const { return rows_[index(kind)].last; }

    // While one lives (during file loading), a type change keeps the type memory as it
    // is, so that the loaded blocks are shown and not saved over the user's.
    class KeepStoredBlocks {
      public:
        explicit KeepStoredBlocks(TypeMemory& memory)
            : memory_(memory), before_(memory.keepStored_) {
            memory_.keepStored_ = true;
        }
        ~KeepStoredBlocks() { memory_.keepStored_ = before_; }
        KeepStoredBlocks(const KeepStoredBlocks&) = delete;
        KeepStoredBlocks& operator=(const KeepStoredBlocks&) = delete;

      private:
        TypeMemory& memory_;
        bool before_;
    };
    bool keepingStoredBlocks() const { return keepStored_; }

    // Number of types of a row, and whether a type has a stored block.
    static int typeCount(image::EffectKind kind);
    static bool hasStoredBlock(image::EffectKind kind, int type);

  private:
    struct RowTypes {
        int previous = 0;
        int last = 1;
    };
    static std::size_t index(image::EffectKind kind) { return static_cast<std::size_t>(kind); }

    image::SynthImage& image_;
    std::array<RowTypes, 3> rows_{};
    bool keepStored_ = false;
};

} // namespace effects
