// The parts of a codeplug that editing in the window changes: the channel table (in table
// order, as the channel file keeps it), every function record and the factory test data. An
// undo step keeps them whole before and after, so undo gives back the exact bytes.
#pragma once

#include <vector>

#include "aggregate/codeplug.h"

namespace torvik {

struct EditableState {
    ChannelTable channels;
    CodeplugRecord record;
    TestData testData{};
    bool operator==(const EditableState&) const = default;
};

// The function areas, as a change names them.
enum class SettingsArea { Dtmf, TwoTone, FiveTone, Options, Scan, Emergency, CommBook, TestData };

EditableState EditableStateOf(const Codeplug& codeplug);

// Makes `state` the codeplug's editable state. The record's saved band code and channel
// count are bookkeeping of the last save and stay as they are.
void ApplyEditableState(Codeplug& codeplug, const EditableState& state);

// Channel numbers whose slot differs between the two tables.
std::vector<int> ChangedChannelRows(const ChannelTable& a, const ChannelTable& b);

// The areas whose records differ between the two states.
std::vector<SettingsArea> ChangedAreas(const EditableState& a, const EditableState& b);

}  // namespace torvik
