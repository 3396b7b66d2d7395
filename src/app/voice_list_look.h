#pragma once
// The look of the voice lists: owner-drawn items on the program's panel colours in the
// graphic style, or a plain list in the chosen list colour ("Normal listbox (faster)").
// Lists of two columns run their items top to bottom, column after column.

class QListWidget;

namespace app {

void applyVoiceListLook(QListWidget& list, bool graphic, int listColorRef, int columns);

} // namespace app
