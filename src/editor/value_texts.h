#pragma once
// How the part editor writes values in its status field and beside its buttons.

#include "editor/part_controls.h"

#include <string>

namespace editor {

// "CH  1".."CH 16" for 0..15; " OFF" for 16 and above (the module stores 127 for off).
std::string channelText(int value);
// "C -2" for 0, "C  3" for 60, "G  8" for 127.
std::string noteName(int value);
// (value - 128) / 10 with one decimal: "-12.8" .. "0.0" .. "12.7".
std::string detuneText(int value);
// (value - 64) * 150: "-9600" .. "0" .. "9450".
std::string filterControlText(int value);
// The amplitude change in percent: "-100" .. "0" .. "100" (without the sign "%").
std::string ampControlText(int value);
// The controller list item with the number cut off: 1 gives "Mod Wheel", 3 "CRTL NR 03".
std::string controllerName(int number);

// The text of a value in one of the forms, units included. Values outside a form's range
// are clamped into it.
std::string valueText(ValueForm form, int value);

} // namespace editor
