// The fixed texts behind the display forms of the voice editor.

#include "qs300/voice_texts_tables.h"

namespace qs300 {

const std::array<const char*, 16> kElementPanTexts = {"<-7", "<-6", "<-5", "<-4",  "<-3", "<-2",
                                                      "<-1", "<0>", "1->", "2->",  "3->", "4->",
                                                      "5->", "6->", "7->", "SCALE"};

const std::array<const char*, 6> kScalingRateTexts = {"100%", "50%", "20%", "10%", " 5%", "0%"};

const std::array<const char*, 4> kEgDepthTexts = {"1/2 oct", "1 oct", "2 oct", "4 oct"};

} // namespace qs300
