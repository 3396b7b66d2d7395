#pragma once
// The three kinds of set file and which sections of the image each one carries: a set
// holds everything, an effect file only the effect blocks, a drum file only the drum setups.

namespace files {

enum class SetKind { Set, Fx, Drums };

struct SetSections {
    bool partsAndSystem = false;
    bool drums = false;
    bool effects = false;
};

constexpr SetSections sectionsOf(SetKind kind) {
    switch (kind) {
    case SetKind::Set:
        return {true, true, true};
    case SetKind::Fx:
        return {false, false, true};
    case SetKind::Drums:
        return {false, true, false};
    }
    return {};
}

} // namespace files
