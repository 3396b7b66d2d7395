#pragma once
// Constant tables that shape the filter and vibrato graphs.

#include <array>

namespace draw::graph_table {

// Resonance-curve shape, indexed by 62 - resonance / 2 (F*) or resonance / 2 (G*).
extern const std::array<int, 63> F0;
extern const std::array<int, 63> F1;
extern const std::array<int, 63> F2;
extern const std::array<int, 63> F3;
extern const std::array<int, 63> F4;
extern const std::array<int, 63> F5;
extern const std::array<int, 63> F6;
extern const std::array<int, 63> G0;
extern const std::array<int, 63> G1;

// Drawn wave height of each vibrato depth value.
extern const std::array<int, 128> kVibratoAmplitude;

} // namespace draw::graph_table
