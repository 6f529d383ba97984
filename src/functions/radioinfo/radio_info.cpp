#include "functions/radioinfo/radio_info.h"

namespace torvik {

void ResetRadioInfo(RadioInfo& info) {
    info = RadioInfo{};
}

}  // namespace torvik
