#include "draw/graph_tables.h"
#include "draw/graph_values.h"
#include "draw/palette.h"
#include "draw/part_graphs.h"

namespace draw {
namespace {

constexpr QPoint kFilterSource{3, 3};
constexpr int kFilterWidth = 171;
constexpr int kFilterHeight = 73;

} // namespace

QPoint PartGraphs::drawFilter(const image::PartRecord& part, int marked, Canvas& destination,
                              QPoint at) {
    using namespace graph_table;
    startFromBackground();
    const int cutoff = graphValue(part, graph_offset::kFilterCutoff);
    const int resonance = graphValue(part, graph_offset::kFilterResonance);
    constexpr int x0 = 1;
    constexpr int y0 = 1;
    const int t = cutoff / 2;
    // The shape tables end at 62; the two top resonance values share the last shape.
    const int q = resonance >= 126 ? 62 : resonance / 2;
    const auto u = static_cast<std::size_t>(62 - q);
    const auto qi = static_cast<std::size_t>(q);
    const int un = 62 - q;
    const QPoint handle(x0 + t + F5[u] + 55, y0 + F6[u]);
    {
        Canvas work(work_);
        work.setPen(marked == HandleFilter ? ColRed : ColBlack);
        work.arc(x0 + t - 43, y0 + un - 19, x0 + t + 71, y0 + 47, x0 + t + 3, y0 + 47, x0 + t + 55,
                 y0 + un / 2 + 15);
        work.arc(x0 + t + q / 4 + 54, y0 + F0[u] + 4, x0 + t - q / 4 + 104, y0 + F0[u] + 62,
                 x0 + t + un / 2 - q / 6 + 96, y0 + F0[u] + 12, x0 + t + F2[u] + F1[u] - 8,
                 y0 + F0[u] - 46);
        work.line(x0 + t + F3[u] + 53, y0 + F4[u], handle.x(), handle.y());
        work.line(x0 + t - G0[qi] + 102, 67 - G1[qi], x0 + t + 102, 72);
        work.line(x0 + 3, y0 + 46, x0 + t + 6, y0 + 46);
    }
    copyOut(destination, at, kFilterSource, kFilterWidth, kFilterHeight);
    return handle + (at - kFilterSource);
}

} // namespace draw
