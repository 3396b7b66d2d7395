#include "midi/port_dialog_logic.h"

#include <algorithm>
#include <exception>

namespace midi {

namespace {

bool contains(const std::vector<std::string>& lines, const std::string& name) {
    return std::find(lines.begin(), lines.end(), name) != lines.end();
}

} // namespace

PortDialogLogic::Startup PortDialogLogic::FormCreate() {
    Startup result;
    const auto stored = store_.loadPortNames();
    try {
        port_.RestorePorts(stored);
    } catch (const std::exception& e) {
        result.error = e.what();
    }
    result.showDialog =
        !contains(port_.inputLines(), stored.in) && !contains(port_.outputLines(), stored.out);
    return result;
}

void PortDialogLogic::Button1Click() {
    PortNames names;
    names.in = port_.inputLines().at(static_cast<std::size_t>(port_.selectedInputLine()));
    names.out = port_.outputLines().at(static_cast<std::size_t>(port_.selectedOutputLine()));
    store_.savePortNames(names);
}

void PortDialogLogic::FormClose() {
    std::exception_ptr firstError;
    try {
        if (port_.inputOpen()) port_.CloseMidiIn();
        if (port_.selectedInputLine() > 0)
            port_.OpenMidiIn(MidiPort::inputIdOfLine(port_.selectedInputLine()));
    } catch (...) {
        firstError = std::current_exception();
    }
    try {
        if (port_.outputOpen()) port_.CloseMidiOut();
        if (port_.selectedOutputLine() > 0)
            port_.OpenMidiOut(MidiPort::outputIdOfLine(port_.selectedOutputLine()));
    } catch (...) {
        if (!firstError) firstError = std::current_exception();
    }
    if (firstError) std::rethrow_exception(firstError);
}

} // namespace midi
