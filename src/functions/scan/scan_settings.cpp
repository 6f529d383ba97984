#include "functions/scan/scan_settings.h"

namespace torvik {

void ResetScan(ScanSettings& scan) {
    scan = ScanSettings{};
}

}  // namespace torvik
