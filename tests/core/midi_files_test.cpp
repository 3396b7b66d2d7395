// The reader against a folder of valid and broken Standard MIDI Files. The folder's
// outcomes.txt gives for each file either "ok TRACKS EVENTS" or the exact error text.

#include "files/errors.h"
#include "files/midi_data.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

const std::filesystem::path kFolder = std::filesystem::path(XGORVO_TEST_DATA_DIR) / "midi_files";

std::string trimmed(const std::string& s) {
    const auto begin = s.find_first_not_of(' ');
    const auto end = s.find_last_not_of(' ');
    return begin == std::string::npos ? std::string() : s.substr(begin, end - begin + 1);
}

std::map<std::string, std::string> outcomes() {
    std::map<std::string, std::string> table;
    std::ifstream in(kFolder / "outcomes.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto bar = line.find('|');
        if (bar == std::string::npos) continue;
        table[trimmed(line.substr(0, bar))] = trimmed(line.substr(bar + 1));
    }
    return table;
}

// Reads the file as "Load Set" does and describes what came of it in the table's terms.
std::string outcomeOf(const std::filesystem::path& file) {
    files::TxMidiData data;
    data.setFileName(file);
    try {
        data.SetActive(true);
    } catch (const files::EMidiData& e) {
        EXPECT_FALSE(data.active()) << file;
        EXPECT_EQ(data.trackCount(), 0u) << file;
        return e.what();
    }
    // What was taken is written in a form that reads back the same.
    files::TxMidiData again;
    again.readBytes(data.toBytes());
    EXPECT_EQ(again.eventCount(), data.eventCount()) << file;
    EXPECT_EQ(again.toBytes(), data.toBytes()) << file;
    EXPECT_EQ(again.headerExtra(), data.headerExtra()) << file;
    std::ostringstream described;
    described << "ok " << data.trackCount() << ' ' << data.eventCount();
    return described.str();
}

TEST(MidiFiles, EachFileOfTheFolderGivesItsListedOutcome) {
    const auto table = outcomes();
    ASSERT_GT(table.size(), 20u) << "outcomes.txt missing or nearly empty in " << kFolder;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder)) {
        if (entry.path().extension() != ".mid") continue;
        ++files;
        const auto name = entry.path().filename().string();
        const auto expected = table.find(name);
        if (expected == table.end()) {
            ADD_FAILURE() << name << " has no line in outcomes.txt";
            continue;
        }
        EXPECT_EQ(outcomeOf(entry.path()), expected->second) << name;
    }
    EXPECT_EQ(files, static_cast<int>(table.size())) << "a listed file is missing";
}

} // namespace
