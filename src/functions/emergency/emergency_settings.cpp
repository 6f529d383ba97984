#include "functions/emergency/emergency_settings.h"

namespace torvik {

void ResetEmergency(EmergencySettings& emergency) {
    emergency = EmergencySettings{};
}

}  // namespace torvik
