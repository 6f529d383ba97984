#include "aggregate/codeplug_record.h"

#include "codeplug/record_bytes.h"

namespace torvik {

// The data file holds exactly this record.
static_assert(SerializedSize<CodeplugRecord> == 8587);

void ResetFunctionSettings(CodeplugRecord& record) {
    ResetDtmf(record.dtmf);
    ResetTwoTone(record.twoTone);
    ResetFiveTone(record.fiveTone, record.decodeTime);
    ResetOptions(record.options, record.squelchOffInhibit);
    ResetScan(record.scan);
    ResetEmergency(record.emergency);
    ResetCommBook(record.commBook);
}

}  // namespace torvik
