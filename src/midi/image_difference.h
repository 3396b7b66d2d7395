#pragma once
// Brings the module from one image to another with as few messages as the existing rules
// allow: single parameter changes where few bytes differ, a part's bulk dumps where many
// do or its voice changed, an effect block's dumps when its type changed, a voice dump
// for each changed user voice. Everything goes through the message layer and is paced
// like any other send.

#include "image/synth_image.h"
#include "midi/xg_messages.h"

namespace midi {

// `held` is what the module holds now; `image` is the image `messages` sends from.
void sendImageDifference(const image::SynthImage& held, image::SynthImage& image,
                         XgMessages& messages);

} // namespace midi
