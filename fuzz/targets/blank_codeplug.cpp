// The one codeplug the targets share, set back to a new one's state for each input.
#include "fuzz_targets.h"

namespace torvik::fuzz {

Codeplug& BlankCodeplug() {
    static const Codeplug blank;
    static Codeplug codeplug;
    codeplug = blank;
    return codeplug;
}

}  // namespace torvik::fuzz
