#pragma once
// The names a person reads for the part editor's hit rectangles: the same name marks the
// rectangle in the table and the pixels the painter draws for it, so that an overlay and
// a test can put the two side by side.

#include <string>

namespace editor {

// "P3 Reverb Send" for strip control c (1..10) of the third part (index 2); short, so that
// the overlay's labels fit the strips.
std::string stripAreaName(int part, int c);
// "Attack Time" for page control n (1..68).
std::string pageAreaName(int n);

} // namespace editor
