#pragma once
// The four small graphs of a part's sound-shaping values: amplitude envelope, pitch
// envelope, filter and vibrato. Each is drawn from a part record into the work image over
// the clean graph background and its visible part copied to a destination canvas. The
// envelope graphs return the rectangles of their handles in destination coordinates, so
// the part editor can let the user drag them.

#include "draw/canvas.h"
#include "draw/hit_rect.h"
#include "image/synth_image.h"

#include <QImage>
#include <QPoint>

namespace draw {

// The handle being dragged, drawn red (a whole curve for the filter and vibrato).
enum GraphHandle {
    HandleNone = 0,
    HandleAttack = 1,
    HandleDecay = 2,
    HandleRelease = 3,
    HandlePitchAttack = 4,
    HandlePitchRelease = 5,
    HandleFilter = 6,
    HandleVibrato = 7,
};

// Part record offsets the graphs read.
namespace graph_offset {
inline constexpr int kVibratoRate = 21;
inline constexpr int kVibratoDepth = 22;
inline constexpr int kVibratoDelay = 23;
inline constexpr int kFilterCutoff = 24;
inline constexpr int kFilterResonance = 25;
inline constexpr int kAttackTime = 26;
inline constexpr int kDecayTime = 27;
inline constexpr int kReleaseTime = 28;
inline constexpr int kPitchInitialLevel = 98;
inline constexpr int kPitchAttackTime = 99;
inline constexpr int kPitchReleaseLevel = 100;
inline constexpr int kPitchReleaseTime = 101;
} // namespace graph_offset

// Where the part page shows each graph.
inline constexpr QPoint kAmplitudeGraphAt{604, 76};
inline constexpr QPoint kPitchGraphAt{604, 148};
inline constexpr QPoint kFilterGraphAt{604, 214};
inline constexpr QPoint kVibratoGraphAt{604, 293};

struct AmplitudeHandles {
    HitRect attack;
    HitRect decay;
    HitRect release;
};

struct PitchHandles {
    HitRect attack;
    HitRect release;
};

class PartGraphs {
  public:
    static constexpr int kWidth = 188;
    static constexpr int kHeight = 74;

    PartGraphs();

    // Values are read at the offsets above; anything above 127 counts as 127.
    AmplitudeHandles drawAmplitudeEnvelope(const image::PartRecord& part, int marked,
                                           Canvas& destination, QPoint at = kAmplitudeGraphAt);
    PitchHandles drawPitchEnvelope(const image::PartRecord& part, int marked, Canvas& destination,
                                   QPoint at = kPitchGraphAt);
    // Returns the filter's handle point in destination coordinates.
    QPoint drawFilter(const image::PartRecord& part, int marked, Canvas& destination,
                      QPoint at = kFilterGraphAt);
    void drawVibrato(const image::PartRecord& part, int marked, Canvas& destination,
                     QPoint at = kVibratoGraphAt);

    // The work image after the last graph, whole.
    const QImage& work() const { return work_; }

  private:
    void startFromBackground();
    void copyOut(Canvas& destination, QPoint at, QPoint source, int width, int height) const;
    // Records a handle's drawn square (its hit rectangle less the excluded right and bottom
    // edges) where the copy showed it.
    static void noteHandle(Canvas& destination, const HitRect& handle, QPoint at, int width,
                           int height);

    QImage work_;
};

} // namespace draw
