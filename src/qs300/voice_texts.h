#pragma once
// How the voice editor shows a byte of a QS300 voice: the display forms of its value
// fields, note names and the controller texts.

#include <string>

namespace qs300 {

enum class Form {
    Signed = 1,      // value - 64
    Note = 2,        // note name
    EgLevel = 3,     // value - 64 (EG levels in the strip)
    Number = 4,      // plain number
    Pan = 5,         // "<-7" .. "<0>" .. "7->", "SCALE"
    Cent = 6,        // value - 64 and " cent"
    ScalingRate = 7, // "100%" .. "0%"
    EgDepth = 8,     // "1/2 oct" .. "4 oct"
    NoteShift = 9,   // value - 64
    PitchControl = 10,
    CutoffControl = 11, // (value - 64) x 150
    AmpControl = 12,    // percentage table
    LevelBar = 13,      // level fader with the wave name
};

// "C -2" (0) .. "C  3" (60) .. "G  8" (127); values outside 0..127 are clamped.
std::string noteName(int note);
// The text of a value in a form; values outside a form's table are clamped into it.
std::string formText(Form form, int value);

} // namespace qs300
