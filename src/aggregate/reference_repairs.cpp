#include "aggregate/reference_repairs.h"

#include "calling/fivetone/five_tone_refs.h"
#include "functions/emergency/channel_refs.h"
#include "functions/scan/scan_rules.h"

namespace torvik {

void RepairReferences(ChannelTable& channels, CodeplugRecord& record) {
    CorrectTwoToneChannels(channels, record.twoTone);
    CorrectFiveToneReferences(record.fiveTone, channels, record.emergency);
    RepairChannelRefs(record.emergency, record.scan, channels);
    ScanSettings& scan = record.scan;
    scan.revertChoice =
        static_cast<std::uint8_t>(ReselectRevert(scan.priorityMode, scan.revertChoice));
}

}  // namespace torvik
