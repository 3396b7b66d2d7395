#pragma once
// Value texts shared by the editors.

namespace draw {

// Text of value - 64 for a 7-bit value: "-64" .. "0" .. "63". Out-of-range values are
// clamped to 0..127.
const char* SignedText(int value);
// Pan position of a 7-bit value: "RND", "<-63" .. "<-1", "<-0->", "1->" .. "63->".
// Out-of-range values are clamped to 0..127.
const char* PanText(int value);

} // namespace draw
