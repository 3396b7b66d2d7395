#include "files/module_readback_texts.h"

#include <algorithm>
#include <array>

namespace files {

namespace {

constexpr const char* kNothingRead = "The Module Did Not Answer. Nothing Was Changed.";
constexpr const char* kSomeRead = "Not Everything Could Be Read From The Module.";
constexpr const char* kNotReadLead = "Not Read: ";
constexpr const char* kRestTaken = "Everything Else Was Taken Over.";
constexpr const char* kBadChecksum = "Answers With A Bad Checksum Were Not Used.";

struct SectionName {
    ModuleSection section;
    const char* one;  // a single block or part
    const char* many; // several parts
};

constexpr std::array<SectionName, 7> kSectionNames{{
    {ModuleSection::System, "System", "System"},
    {ModuleSection::Reverb, "Reverb", "Reverb"},
    {ModuleSection::Chorus, "Chorus", "Chorus"},
    {ModuleSection::Variation, "Variation", "Variation"},
    {ModuleSection::Part, "Part ", "Parts "},
    {ModuleSection::DrumSetup, "Drum Setup ", "Drum Setup "},
    {ModuleSection::Voice, "QS300 Voice Of Part ", "QS300 Voices Of Parts "},
}};

// "3, 5-7" for the numbers 3, 5, 6, 7 (counted from 1).
std::string numberRanges(const std::vector<int>& indices) {
    std::string text;
    for (std::size_t i = 0; i < indices.size();) {
        std::size_t j = i;
        while (j + 1 < indices.size() && indices[j + 1] == indices[j] + 1) ++j;
        if (!text.empty()) text += ", ";
        text += std::to_string(indices[i] + 1);
        if (j > i) text += "-" + std::to_string(indices[j] + 1);
        i = j + 1;
    }
    return text;
}

// Indices (parts, setups) with at least one missed request of the section, in order.
std::vector<int> missedIndices(ModuleSection section, const std::vector<MissedRequest>& missed) {
    std::vector<int> indices;
    for (const auto& m : missed)
        if (m.request.section == section) indices.push_back(m.request.index);
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

int countOf(const std::vector<DumpRequest>& plan, ModuleSection section, int index) {
    return static_cast<int>(std::count_if(plan.begin(), plan.end(), [&](const DumpRequest& r) {
        return r.section == section && r.index == index;
    }));
}

int countOf(const std::vector<MissedRequest>& missed, ModuleSection section, int index) {
    return static_cast<int>(std::count_if(missed.begin(), missed.end(), [&](const auto& m) {
        return m.request.section == section && m.request.index == index;
    }));
}

std::string drumSetupItems(const std::vector<DumpRequest>& plan,
                           const std::vector<MissedRequest>& missed, const SectionName& name) {
    std::string text;
    for (const int setup : missedIndices(ModuleSection::DrumSetup, missed)) {
        if (!text.empty()) text += ", ";
        text += name.one + std::to_string(setup + 1);
        const int notes = countOf(missed, ModuleSection::DrumSetup, setup);
        if (notes < countOf(plan, ModuleSection::DrumSetup, setup))
            text += " (" + std::to_string(notes) + (notes == 1 ? " Note)" : " Notes)");
    }
    return text;
}

const SectionName& nameOf(ModuleSection section) {
    return *std::find_if(kSectionNames.begin(), kSectionNames.end(),
                         [&](const SectionName& n) { return n.section == section; });
}

} // namespace

std::string readingText(const DumpRequest& request) {
    std::string text = std::string("Reading ") + nameOf(request.section).one;
    switch (request.section) {
    case ModuleSection::Part:
    case ModuleSection::Voice:
        text += std::to_string(request.index + 1);
        break;
    case ModuleSection::DrumSetup:
        text += std::to_string(request.index + 1) + ", Note " + std::to_string(request.message[5]);
        break;
    default:
        break;
    }
    return text + " ...";
}

std::string notReadList(const std::vector<DumpRequest>& plan,
                        const std::vector<MissedRequest>& missed) {
    std::string text;
    for (const auto& name : kSectionNames) {
        const auto indices = missedIndices(name.section, missed);
        if (indices.empty()) continue;
        std::string item;
        switch (name.section) {
        case ModuleSection::Part:
        case ModuleSection::Voice:
            item = (indices.size() == 1 ? name.one : name.many) + numberRanges(indices);
            break;
        case ModuleSection::DrumSetup:
            item = drumSetupItems(plan, missed, name);
            break;
        default:
            item = name.one;
            break;
        }
        if (!text.empty()) text += ", ";
        text += item;
    }
    return text;
}

std::string readbackMessage(ReadbackOutcome outcome, const std::vector<DumpRequest>& plan,
                            const std::vector<MissedRequest>& missed) {
    if (outcome != ReadbackOutcome::NothingRead && outcome != ReadbackOutcome::Partial) return {};
    std::string text = outcome == ReadbackOutcome::NothingRead ? kNothingRead : kSomeRead;
    text += "\n";
    text += kNotReadLead + notReadList(plan, missed);
    if (outcome == ReadbackOutcome::Partial) text += std::string("\n") + kRestTaken;
    const bool damaged =
        std::any_of(missed.begin(), missed.end(), [](const auto& m) { return m.badChecksum; });
    if (damaged) text += std::string("\n") + kBadChecksum;
    return text;
}

} // namespace files
