// A realistic, fully populated codeplug: every channel slot used with varied settings, every
// 2-Tone and 5-Tone entry stored, DTMF memories and a full communication book. The demo radio
// starts from it, and the tests and benchmarks use it to exercise every area of the image.
#pragma once

#include "aggregate/codeplug.h"

namespace torvik {

// Fills `codeplug` for its current band (the band decides the frequencies).
void FillSampleCodeplug(Codeplug& codeplug);

}  // namespace torvik
