#include "functions/options/option_settings.h"

namespace torvik {

void ResetOptions(OptionSettings& options, std::uint8_t& squelchOffInhibit) {
    options = OptionSettings{};
    squelchOffInhibit = 0;
}

}  // namespace torvik
