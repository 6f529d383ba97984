#include "document/editable_state.h"

namespace torvik {
namespace {

bool SameSlot(const ChannelTable& a, const ChannelTable& b, int number) {
    const ChannelRecord* x = a.find(number);
    const ChannelRecord* y = b.find(number);
    if (!x || !y) return x == y;
    return *x == *y;
}

}  // namespace

EditableState EditableStateOf(const Codeplug& codeplug) {
    return {codeplug.channels, codeplug.record, codeplug.testData};
}

void ApplyEditableState(Codeplug& codeplug, const EditableState& state) {
    const std::int16_t savedBand = codeplug.record.SavedBandCode;
    const std::int16_t savedCount = codeplug.record.ChannelCount;
    codeplug.channels = state.channels;
    codeplug.record = state.record;
    codeplug.record.SavedBandCode = savedBand;
    codeplug.record.ChannelCount = savedCount;
    codeplug.testData = state.testData;
}

std::vector<int> ChangedChannelRows(const ChannelTable& a, const ChannelTable& b) {
    std::vector<int> rows;
    for (int number = 1; number <= kChannelSlots; ++number) {
        if (!SameSlot(a, b, number)) rows.push_back(number);
    }
    return rows;
}

std::vector<SettingsArea> ChangedAreas(const EditableState& a, const EditableState& b) {
    const CodeplugRecord& x = a.record;
    const CodeplugRecord& y = b.record;
    std::vector<SettingsArea> areas;
    auto note = [&](bool differs, SettingsArea area) {
        if (differs) areas.push_back(area);
    };
    note(!(x.dtmf == y.dtmf), SettingsArea::Dtmf);
    note(!(x.twoTone == y.twoTone), SettingsArea::TwoTone);
    note(!(x.fiveTone == y.fiveTone) || x.decodeTime != y.decodeTime, SettingsArea::FiveTone);
    note(!(x.options == y.options) || x.squelchOffInhibit != y.squelchOffInhibit,
         SettingsArea::Options);
    note(!(x.scan == y.scan), SettingsArea::Scan);
    note(!(x.emergency == y.emergency), SettingsArea::Emergency);
    note(!(x.commBook == y.commBook), SettingsArea::CommBook);
    note(a.testData != b.testData, SettingsArea::TestData);
    return areas;
}

}  // namespace torvik
