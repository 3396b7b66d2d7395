#pragma once
// The two type styles of the painted screens and their registration.
//
// "Small" is the caption face (heights -7 and -8), "Sans" the title and list face
// (heights -9, -11, -13 in weights 400 and 700). Both come from fonts compiled into the
// program, so text renders the same wherever it runs.

#include <QFont>

namespace draw {

enum class FontFace { Small, Sans };

// Registers the compiled-in fonts and artwork resources. Call once after the
// QGuiApplication exists; later calls do nothing. The font functions call it themselves.
void initialiseToolkit();

// A font of the face with the given height (negative: character height in pixels, the way
// the screens state it; positive is taken as the same) and weight (400 normal, 700 bold),
// drawn without antialiasing and with full hinting.
QFont toolkitFont(FontFace face, int height, int weight = 400);

// Whether every compiled-in font file could be registered.
bool toolkitFontsRegistered();

// The family names the compiled-in fonts registered under; the caption face has one family
// for 7 pixels and less and one for larger heights.
QString smallFontFamily(int height);
QString sansFontFamily();

} // namespace draw
