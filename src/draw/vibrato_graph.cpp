#include "draw/graph_tables.h"
#include "draw/graph_values.h"
#include "draw/palette.h"
#include "draw/part_graphs.h"

namespace draw {
namespace {

constexpr QPoint kVibratoSource{5, 3};
constexpr int kVibratoWidth = 136;
constexpr int kVibratoHeight = 61;

} // namespace

void PartGraphs::drawVibrato(const image::PartRecord& part, int marked, Canvas& destination,
                             QPoint at) {
    startFromBackground();
    const int rate = graphValue(part, graph_offset::kVibratoRate);
    const int depth = graphValue(part, graph_offset::kVibratoDepth);
    const int delay = graphValue(part, graph_offset::kVibratoDelay);
    constexpr int x0 = 1;
    constexpr int y0 = 4;
    const int amplitude = graph_table::kVibratoAmplitude[static_cast<std::size_t>(depth)];
    const int upper = y0 + 54 - amplitude / 2;
    // Depths up to the centre draw no wave: a flat line at the upper level.
    const bool wave = depth > 63;
    const int lower = wave ? y0 + 4 + amplitude / 2 : upper;
    const int base = wave ? y0 + 29 : upper;
    const int start = x0 + delay / 2 + 5;
    const int half = (127 - rate) / 3 + 1;
    const int quarter = half / 2;
    {
        Canvas work(work_);
        work.setClip(x0 + 3, y0, x0 + 139, y0 + 56);
        work.setPen(marked == HandleVibrato ? ColRed : ColBlack);
        work.line(x0 + 5, base, start, base);
        work.line(start, base, start + quarter, upper);
        work.line(start + quarter, upper, start + quarter + half, lower);
        int x = start + half + quarter;
        do {
            work.line(x, lower, x + half, upper);
            work.line(x + half, upper, x + 2 * half, lower);
            x += 2 * half;
        } while (x < x0 + 136);
        work.resetClip();
    }
    copyOut(destination, at, kVibratoSource, kVibratoWidth, kVibratoHeight);
}

} // namespace draw
