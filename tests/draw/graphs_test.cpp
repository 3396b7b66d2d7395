#include "draw/part_graphs.h"

#include "draw/artwork.h"
#include "draw/palette.h"
#include "draw_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace draw {
namespace {

image::PartRecord partWith(std::initializer_list<std::pair<int, int>> values) {
    image::PartRecord part{};
    part.fill(64);
    for (auto [offset, value] : values)
        part[static_cast<std::size_t>(offset)] = static_cast<image::Byte>(value);
    return part;
}

class GraphTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::ensureApplication(); }
    Colour work(int x, int y) const { return graphs.work().pixel(x, y) | 0xFF000000u; }
    Colour background(int x, int y) const { return artwork().graphBackground.pixel(x, y); }

    PartGraphs graphs;
    QImage surface = testing::blankImage(800, 400);
};

TEST_F(GraphTest, AmplitudeEnvelopeAtZero) {
    using namespace graph_offset;
    Canvas canvas(surface);
    const AmplitudeHandles handles = graphs.drawAmplitudeEnvelope(
        partWith({{kAttackTime, 0}, {kDecayTime, 0}, {kReleaseTime, 0}}), HandleNone, canvas);
    EXPECT_EQ(work(10, 20), ColBlack); // attack and decay are vertical at x 10
    EXPECT_EQ(work(10, 45), ColBlack);
    EXPECT_EQ(work(11, 20), background(11, 20));
    for (int x = 15; x < 37; ++x) EXPECT_EQ(work(x, 32), ColBlack) << x; // sustain
    EXPECT_EQ(work(41, 45), ColBlack);                                   // vertical release at x 41
    EXPECT_EQ(work(42, 45), background(42, 45));
    EXPECT_EQ(work(8, 7), ColHighlight); // attack handle at (6, 5)
    EXPECT_EQ(handles.attack, (HitRect{607, 78, 615, 86}));
    EXPECT_EQ(handles.decay, (HitRect{607, 101, 615, 109}));
    EXPECT_EQ(handles.release, (HitRect{638, 130, 646, 138}));
    // The graph is copied from (3, 3) to (604, 76).
    EXPECT_EQ(canvas.pixel(604 + 25 - 3, 76 + 32 - 3), ColBlack);
    EXPECT_EQ(canvas.pixel(603, 100), rgb(10, 20, 30));
    EXPECT_EQ(canvas.pixel(604 + 171, 100), rgb(10, 20, 30));
}

TEST_F(GraphTest, AmplitudeHandlesFollowTheValues) {
    using namespace graph_offset;
    Canvas canvas(surface);
    const AmplitudeHandles handles = graphs.drawAmplitudeEnvelope(
        partWith({{kAttackTime, 30}, {kDecayTime, 60}, {kReleaseTime, 127}}), HandleDecay, canvas,
        {0, 0});
    const int a = 10, f = 20 + a + 10, h = 42 + f + 31;
    EXPECT_EQ(handles.attack, (HitRect{a + 3, 2, a + 11, 10}));
    EXPECT_EQ(handles.decay, (HitRect{f - 7, 25, f + 1, 33}));
    EXPECT_EQ(handles.release, (HitRect{h - 7, 54, h + 1, 62}));
    EXPECT_EQ(work(f - 2, 30), ColRed); // the dragged handle
    EXPECT_EQ(work(a + 8, 7), ColHighlight);
}

TEST_F(GraphTest, PitchEnvelopePointsAndHandles) {
    using namespace graph_offset;
    Canvas canvas(surface);
    const PitchHandles handles = graphs.drawPitchEnvelope(partWith({{kPitchInitialLevel, 127},
                                                                    {kPitchAttackTime, 30},
                                                                    {kPitchReleaseLevel, 0},
                                                                    {kPitchReleaseTime, 90}}),
                                                          HandlePitchAttack, canvas);
    const int px1 = 76 - 10, py1 = 53 - 42, px2 = 101 + 30, py2 = 53;
    EXPECT_EQ(handles.attack, (HitRect{597 + px1, 141 + py1, 605 + px1, 149 + py1}));
    EXPECT_EQ(handles.release, (HitRect{597 + px2, 141 + py2, 605 + px2, 149 + py2}));
    EXPECT_EQ(work(px1, py1), ColRed);
    EXPECT_EQ(work(px2, py2), ColHighlight);
    EXPECT_EQ(work(90, 32), ColBlack);      // middle line
    EXPECT_EQ(work(76, 32), ColFixedPoint); // fixed point square over it
}

TEST_F(GraphTest, FilterTopResonancesShareTheirShape) {
    using namespace graph_offset;
    for (int cutoff : {0, 64, 127}) {
        auto draw = [&](int resonance) {
            Canvas canvas(surface);
            const QPoint point = graphs.drawFilter(
                partWith({{kFilterCutoff, cutoff}, {kFilterResonance, resonance}}), HandleNone,
                canvas);
            return std::make_pair(graphs.work().copy(), point);
        };
        const auto at124 = draw(124);
        EXPECT_EQ(draw(126), at124) << cutoff;
        EXPECT_EQ(draw(127), at124) << cutoff;
        EXPECT_EQ(draw(125), at124) << cutoff;
        EXPECT_NE(draw(122).first, at124.first) << cutoff;
    }
}

// The resonance curve is one stroke: from the flat start over the peak down to the bottom
// line no gap is wider than the one pixel where the pieces of the figure meet.
TEST_F(GraphTest, FilterCurveIsOneUnbrokenStroke) {
    using namespace graph_offset;
    for (int cutoff : {0, 64, 127})
        for (int resonance : {0, 64, 100, 127}) {
            Canvas canvas(surface);
            graphs.drawFilter(partWith({{kFilterCutoff, cutoff}, {kFilterResonance, resonance}}),
                              HandleNone, canvas);
            const QImage& image = graphs.work();
            std::vector<std::vector<bool>> seen(
                static_cast<std::size_t>(image.height()),
                std::vector<bool>(static_cast<std::size_t>(image.width()), false));
            std::vector<QPoint> open{{4, 47}}; // the flat line's first pixel
            ASSERT_EQ(work(4, 47), ColBlack);
            int lowest = 0;
            while (!open.empty()) {
                const QPoint p = open.back();
                open.pop_back();
                if (!image.rect().contains(p) || work(p.x(), p.y()) != ColBlack) continue;
                auto&& mark =
                    seen[static_cast<std::size_t>(p.y())][static_cast<std::size_t>(p.x())];
                if (mark) continue;
                mark = true;
                lowest = std::max(lowest, p.y());
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx) open.emplace_back(p.x() + dx, p.y() + dy);
            }
            // The falling line ends on the graph's bottom row.
            EXPECT_GE(lowest, 70) << "cutoff " << cutoff << " resonance " << resonance;
        }
}

TEST_F(GraphTest, FilterHandlePointAndColour) {
    using namespace graph_offset;
    Canvas canvas(surface);
    const image::PartRecord part = partWith({{kFilterCutoff, 64}, {kFilterResonance, 64}});
    const QPoint point = graphs.drawFilter(part, HandleFilter, canvas, {0, 0});
    // t = 32, q = 32, u = 30: (1 + 32 + F5[30] + 55, 1 + F6[30]) = (106, 27), shifted by -3.
    EXPECT_EQ(point, QPoint(103, 24));
    int red = 0;
    int black = 0;
    for (int y = 0; y < PartGraphs::kHeight; ++y)
        for (int x = 0; x < PartGraphs::kWidth; ++x) {
            red += work(x, y) == ColRed;
            black += work(x, y) == ColBlack;
        }
    EXPECT_GT(red, 100);
    EXPECT_EQ(black, 0) << "while dragged the whole curve is red";
    graphs.drawFilter(part, HandleNone, canvas, {0, 0});
    for (int y = 0; y < PartGraphs::kHeight; ++y)
        for (int x = 0; x < PartGraphs::kWidth; ++x) EXPECT_NE(work(x, y), ColRed);
}

TEST_F(GraphTest, VibratoIsFlatUpToTheCentreDepth) {
    using namespace graph_offset;
    for (int depth : {0, 30, 63, 64}) {
        Canvas canvas(surface);
        graphs.drawVibrato(partWith({{kVibratoDepth, depth}, {kVibratoRate, 100}}), HandleNone,
                           canvas);
        int row = -1;
        for (int y = 0; y < PartGraphs::kHeight; ++y)
            for (int x = 0; x < PartGraphs::kWidth; ++x)
                if (work(x, y) == ColBlack) {
                    if (row < 0) row = y;
                    EXPECT_EQ(y, row) << "depth " << depth << " at " << x;
                }
        EXPECT_GE(row, 0) << depth;
    }
}

TEST_F(GraphTest, VibratoDelayOf127StartsTheWaveAtX69) {
    using namespace graph_offset;
    Canvas canvas(surface);
    graphs.drawVibrato(partWith({{kVibratoDepth, 127}, {kVibratoDelay, 127}, {kVibratoRate, 0}}),
                       HandleVibrato, canvas);
    const int base = 4 + 29;
    for (int x = 6; x <= 69; ++x) EXPECT_EQ(work(x, base), ColRed) << x;
    EXPECT_NE(work(70, base), ColRed);
    EXPECT_EQ(work(70, base - 1), ColRed); // rising toward the upper level
    EXPECT_NE(work(5, base), ColRed);
}

TEST_F(GraphTest, VibratoStaysInsideItsClip) {
    using namespace graph_offset;
    Canvas canvas(surface);
    graphs.drawVibrato(partWith({{kVibratoDepth, 127}, {kVibratoDelay, 0}, {kVibratoRate, 127}}),
                       HandleNone, canvas);
    for (int y = 0; y < PartGraphs::kHeight; ++y)
        for (int x = 0; x < PartGraphs::kWidth; ++x) {
            const bool inside = x >= 4 && x < 140 && y >= 4 && y < 60;
            if (!inside) {
                EXPECT_NE(work(x, y), ColBlack) << x << "," << y;
            }
        }
}

TEST_F(GraphTest, MarkerBytesCountAsTopValues) {
    using namespace graph_offset;
    Canvas canvas(surface);
    const image::PartRecord markers = partWith({{kAttackTime, 255},
                                                {kFilterResonance, 254},
                                                {kVibratoDepth, 255},
                                                {kPitchAttackTime, 254}});
    const image::PartRecord top = partWith({{kAttackTime, 127},
                                            {kFilterResonance, 127},
                                            {kVibratoDepth, 127},
                                            {kPitchAttackTime, 127}});
    EXPECT_EQ(graphs.drawAmplitudeEnvelope(markers, 0, canvas).attack,
              graphs.drawAmplitudeEnvelope(top, 0, canvas).attack);
    graphs.drawFilter(markers, 0, canvas);
    const QImage filterOfMarkers = graphs.work().copy();
    graphs.drawFilter(top, 0, canvas);
    EXPECT_EQ(filterOfMarkers, graphs.work());
    graphs.drawVibrato(markers, 0, canvas);
    graphs.drawPitchEnvelope(markers, 0, canvas);
}

} // namespace
} // namespace draw
