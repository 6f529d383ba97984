#include "storage/snapshot.h"

namespace torvik {
namespace {

// The record without the two values that are kept elsewhere while the codeplug is open.
CodeplugRecord Comparable(CodeplugRecord record) {
    record.SavedBandCode = 0;
    record.ChannelCount = 0;
    return record;
}

}  // namespace

void TakeSnapshot(Codeplug& codeplug) {
    codeplug.record.SavedBandCode = codeplug.band.code();
    codeplug.record.ChannelCount = codeplug.channels.ChannelCount;
    codeplug.snapshot.record = codeplug.record;
    codeplug.snapshot.channels = codeplug.channels;
    if (codeplug.factoryMode) codeplug.snapshot.testData = codeplug.testData;
}

void RestoreSnapshot(Codeplug& codeplug) {
    if (codeplug.factoryMode) codeplug.testData = codeplug.snapshot.testData;
    codeplug.record = codeplug.snapshot.record;
    codeplug.band.setCode(codeplug.record.SavedBandCode);
    codeplug.channels = codeplug.snapshot.channels;
    codeplug.channels.ChannelCount = codeplug.record.ChannelCount;
}

void AdoptReadCodeplug(Codeplug& codeplug) {
    codeplug.file = CodeplugFileState{};
    TakeSnapshot(codeplug);
}

bool IsModified(const Codeplug& codeplug) {
    const CodeplugSnapshot& saved = codeplug.snapshot;
    if (codeplug.band.code() != saved.record.SavedBandCode) return true;
    if (codeplug.channels.ChannelCount != saved.record.ChannelCount) return true;
    for (const ChannelRecord& live : codeplug.channels.used()) {
        const ChannelRecord* before = saved.channels.find(live.Number);
        if (!before || !(*before == live)) return true;
    }
    if (!(Comparable(codeplug.record) == Comparable(saved.record))) return true;
    return codeplug.factoryMode && codeplug.testData != saved.testData;
}

}  // namespace torvik
