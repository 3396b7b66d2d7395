#pragma once
// Drawing of the surface background, the 16 part strips, the title field and the
// receive-switch row.

#include "draw/canvas.h"
#include "draw/hit_rect.h"
#include "editor/voice_naming.h"
#include "image/synth_image.h"

#include <string>

namespace editor {

inline constexpr draw::Colour kWindowColour = draw::rgb(190, 154, 74);

class StripPainter {
  public:
    explicit StripPainter(draw::Canvas& canvas) : canvas_(canvas) {}

    // Variation as an insertion effect: the variation send and dry level knobs give way to
    // their captions, darker in the column of the part the effect is inserted into.
    void setVariationInsertion(bool insertion) { insertion_ = insertion; }
    // The colours the voice names of the strips are written in.
    void setNameColours(const VoiceNameColours& colours) { nameColours_ = colours; }

    // The background of the whole surface and the frame of the effect area.
    draw::HitRect paintBackground();
    // One whole strip, highlighted for the current part.
    draw::HitRect paintStrip(const image::SynthImage& image, int part, bool current);
    // One control c (1..10) of a strip; `active` draws a knob or fader in its drag colours.
    draw::HitRect paintControl(const image::SynthImage& image, int part, int c, bool active,
                               bool current);
    // The current part's voice name at 18, 8.
    draw::HitRect paintTitle(const image::SynthImage& image, int part);
    // Receive switch k (0..16) with its byte's state.
    draw::HitRect paintReceiveSwitch(const image::SynthImage& image, int part, int k);

  private:
    draw::HitRect paintPartLabel(int part, bool current);
    draw::HitRect paintModeField(const image::SynthImage& image, int part, bool current);
    draw::HitRect paintChannelField(const image::SynthImage& image, int part, bool active);
    draw::HitRect paintFader(const image::SynthImage& image, int part, bool active);
    draw::HitRect paintVoiceButton(const image::SynthImage& image, int part, bool current);
    draw::HitRect paintSendCaption(const image::SynthImage& image, int part, int c, bool current);

    draw::Canvas& canvas_;
    bool insertion_ = false;
    VoiceNameColours nameColours_;
};

} // namespace editor
