#include "channel_edit/channel_bulk_edit.h"

#include <algorithm>
#include <stdexcept>

#include "codeplug/record_fields.h"
#include "codeplug/tones.h"

namespace torvik {
namespace {

bool InList(int position, std::size_t size) {
    return position >= 0 && static_cast<std::size_t>(position) < size;
}

int Switch(bool on) {
    return on ? 1 : 0;
}

// The squelch mode at the model's chosen position in its own list.
int SquelchMode(const ChannelEditModel& model) {
    const std::vector<int>& list = model.squelchChoices();
    const int position = model.fields().squelch;
    return InList(position, list.size()) ? list[static_cast<std::size_t>(position)] : 0;
}

ChannelField ChoiceField(ChannelChoice choice) {
    switch (choice) {
        case ChannelChoice::Step:
            return ChannelField::Step;
        case ChannelChoice::Bandwidth:
            return ChannelField::Bandwidth;
        case ChannelChoice::TxPower:
            return ChannelField::TxPower;
        case ChannelChoice::Scrambler:
            return ChannelField::Scrambler;
        case ChannelChoice::BusyLock:
            return ChannelField::BusyLock;
        case ChannelChoice::DtmfMemory:
            return ChannelField::DtmfMemory;
        case ChannelChoice::TwoTone:
            return ChannelField::TwoTone;
        case ChannelChoice::FiveTone:
            return ChannelField::FiveTone;
        case ChannelChoice::Squelch:
            break;
    }
    return ChannelField::Squelch;
}

ChannelField CheckField(ChannelCheck check) {
    switch (check) {
        case ChannelCheck::TxInhibit:
            return ChannelField::TxInhibit;
        case ChannelCheck::Reverse:
            return ChannelField::Reverse;
        case ChannelCheck::Talkaround:
            return ChannelField::Talkaround;
        case ChannelCheck::Compander:
            return ChannelField::Compander;
        case ChannelCheck::ScanSkip:
            break;
    }
    return ChannelField::ScanSkip;
}

ChannelField ToneField(ToneSide side, ChannelField receiveField) {
    constexpr int kSideDistance =
        static_cast<int>(ChannelField::TxToneType) - static_cast<int>(ChannelField::RxToneType);
    return side == ToneSide::Receive
               ? receiveField
               : static_cast<ChannelField>(static_cast<int>(receiveField) + kSideDistance);
}

}  // namespace

int ChannelFieldValue(const ChannelEditModel& model, ChannelField field) {
    const ChannelEditFields& f = model.fields();
    const int index = static_cast<int>(field);
    if (index >= 0 && index < kNameBoxes) {
        const std::string& box = f.nameBoxes[static_cast<std::size_t>(index)];
        return box.empty() ? ' ' : static_cast<unsigned char>(box.front());
    }
    switch (field) {
        case ChannelField::Step:
            return f.step;
        case ChannelField::Bandwidth:
            return f.bandwidth;
        case ChannelField::TxPower:
            return f.txPower;
        case ChannelField::Signaling:
            return f.signaling;
        case ChannelField::DtmfMemory:
            return f.dtmfMemory;
        case ChannelField::TwoTone:
            return f.twoTone;
        case ChannelField::FiveTone:
            return f.fiveTone;
        case ChannelField::RxToneType:
            return f.rxTone.type;
        case ChannelField::RxCtcss:
            return f.rxTone.ctcss;
        case ChannelField::RxDcs:
            return f.rxTone.dcs;
        case ChannelField::RxDcsInverted:
            return Switch(f.rxTone.dcsInverted);
        case ChannelField::TxToneType:
            return f.txTone.type;
        case ChannelField::TxCtcss:
            return f.txTone.ctcss;
        case ChannelField::TxDcs:
            return f.txTone.dcs;
        case ChannelField::TxDcsInverted:
            return Switch(f.txTone.dcsInverted);
        case ChannelField::Squelch:
            return SquelchMode(model);
        case ChannelField::Scrambler:
            return f.scrambler;
        case ChannelField::DtmfPttId:
            return f.dtmfPttId;
        case ChannelField::FiveTonePttId:
            return f.fiveTonePttId;
        case ChannelField::BusyLock:
            return f.busyLock;
        case ChannelField::TxInhibit:
            return Switch(f.txInhibit);
        case ChannelField::Reverse:
            return Switch(f.reverse);
        case ChannelField::Talkaround:
            return Switch(f.talkaround);
        case ChannelField::Compander:
            return Switch(f.compander);
        case ChannelField::ScanSkip:
            return Switch(f.scanSkip);
        default:
            return 0;
    }
}

std::vector<int> RowsWithChannels(const ChannelTable& channels, const std::vector<int>& rows) {
    std::vector<int> found;
    for (const int row : rows) {
        if (channels.find(row)) found.push_back(row);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

ChannelBulkEditModel::ChannelBulkEditModel(Codeplug& codeplug, const FeatureFlags& features,
                                           const std::vector<int>& rows)
    : codeplug_(codeplug), rows_(RowsWithChannels(codeplug.channels, rows)) {
    if (rows_.empty()) throw std::invalid_argument("no channel among the rows");
    channels_.reserve(rows_.size());
    for (const int row : rows_) {
        ChannelEditModel model(codeplug, features, row, quiet_);
        ChannelRecord untouched = *codeplug.channels.find(row);
        ChannelEditModel(model).storeInto(untouched);
        channels_.push_back({row, std::move(model), untouched});
    }
}

const std::vector<int>& ChannelBulkEditModel::squelchChoices() const {
    static const std::vector<int> full = SquelchModeList(true, true);
    return full;
}

bool ChannelBulkEditModel::showsChoice(ChannelField field) const {
    const auto at = static_cast<std::size_t>(field);
    if (!chosen_[at]) return false;
    // While the user steps through a list, a value some channels refuse still shows, so the
    // next step starts from it; OK names the channels that refused it.
    return std::all_of(channels_.begin(), channels_.end(), [&](const Channel& channel) {
        return ChannelFieldValue(channel.model, field) == requested_[at] ||
               std::find(refused_[at].begin(), refused_[at].end(), channel.row) !=
                   refused_[at].end();
    });
}

int ChannelBulkEditModel::value(ChannelField field) const {
    return showsChoice(field) ? requested_[static_cast<std::size_t>(field)]
                              : ChannelFieldValue(first(), field);
}

bool ChannelBulkEditModel::mixed(ChannelField field) const {
    if (showsChoice(field)) return false;
    const int shared = ChannelFieldValue(first(), field);
    return std::any_of(channels_.begin(), channels_.end(), [&](const Channel& channel) {
        return ChannelFieldValue(channel.model, field) != shared;
    });
}

NumberList ChannelBulkEditModel::visibleNumberList() const {
    if (mixed(ChannelField::Signaling)) return NumberList::None;
    const std::vector<int>& systems = first().signalingChoices();
    const int position = value(ChannelField::Signaling);
    switch (InList(position, systems.size()) ? systems[static_cast<std::size_t>(position)]
                                             : kSignalingNone) {
        case kSignalingDtmf:
            return NumberList::DtmfMemory;
        case kSignalingTwoTone:
            return NumberList::TwoTone;
        case kSignalingFiveTone:
            return NumberList::FiveTone;
        default:
            return NumberList::None;
    }
}

bool ChannelBulkEditModel::showsCtcss(ToneSide side) const {
    const ChannelField type = ToneField(side, ChannelField::RxToneType);
    return !mixed(type) && value(type) == kToneCtcss;
}

bool ChannelBulkEditModel::showsDcs(ToneSide side) const {
    const ChannelField type = ToneField(side, ChannelField::RxToneType);
    return !mixed(type) && value(type) == kToneDcs;
}

template <class Action>
void ChannelBulkEditModel::edit(ChannelField field, int requested, Action action) {
    const auto at = static_cast<std::size_t>(field);
    chosen_[at] = true;
    requested_[at] = requested;
    refused_[at].clear();
    for (Channel& channel : channels_) {
        action(channel.model);
        if (ChannelFieldValue(channel.model, field) != requested) {
            refused_[at].push_back(channel.row);
        }
    }
}

void ChannelBulkEditModel::setNameBox(int box, std::string_view text) {
    if (box < 0 || box >= kNameBoxes || text.size() > 1) return;
    if (!text.empty() && !AcceptNameChar(text.front())) return;
    const int requested = text.empty() ? ' ' : static_cast<unsigned char>(text.front());
    edit(NameBoxField(box), requested,
         [box, text](ChannelEditModel& model) { model.setNameBox(box, text); });
}

void ChannelBulkEditModel::setChoice(ChannelChoice choice, int position) {
    if (choice == ChannelChoice::Squelch) {
        // The channels' own squelch lists differ: each takes the mode where its list has it.
        if (!InList(position, squelchChoices().size())) return;
        edit(ChannelField::Squelch, position, [position](ChannelEditModel& model) {
            const int own = NumberPosition(model.squelchChoices(), position);
            if (own >= 0) model.setChoice(ChannelChoice::Squelch, own);
        });
        return;
    }
    std::size_t size = 0;
    switch (choice) {
        case ChannelChoice::Step:
            size = first().stepChoices().size();
            break;
        case ChannelChoice::Bandwidth:
            size = kBandwidthChoices;
            break;
        case ChannelChoice::TxPower:
            size = kTxPowerChoices;
            break;
        case ChannelChoice::Scrambler:
            size = kScramblerChoices;
            break;
        case ChannelChoice::BusyLock:
            size = kBusyLockChoices;
            break;
        case ChannelChoice::DtmfMemory:
            size = kDtmfMemoryChoices;
            break;
        case ChannelChoice::TwoTone:
            size = first().twoToneChoices().size();
            break;
        case ChannelChoice::FiveTone:
            size = first().fiveToneChoices().size();
            break;
        case ChannelChoice::Squelch:
            break;
    }
    if (!InList(position, size)) return;
    edit(ChoiceField(choice), position,
         [choice, position](ChannelEditModel& model) { model.setChoice(choice, position); });
}

void ChannelBulkEditModel::setSignaling(int position) {
    if (!InList(position, first().signalingChoices().size())) return;
    edit(ChannelField::Signaling, position,
         [position](ChannelEditModel& model) { model.setSignaling(position); });
}

void ChannelBulkEditModel::setToneType(ToneSide side, int type) {
    if (!InList(type, kToneTypeChoices)) return;
    edit(ToneField(side, ChannelField::RxToneType), type,
         [side, type](ChannelEditModel& model) { model.setToneType(side, type); });
}

void ChannelBulkEditModel::setCtcss(ToneSide side, int index) {
    if (!InList(index, kCtcssCount)) return;
    edit(ToneField(side, ChannelField::RxCtcss), index,
         [side, index](ChannelEditModel& model) { model.setCtcss(side, index); });
}

void ChannelBulkEditModel::setDcs(ToneSide side, int code) {
    if (!InList(code, kDcsCodeCount)) return;
    edit(ToneField(side, ChannelField::RxDcs), code,
         [side, code](ChannelEditModel& model) { model.setDcs(side, code); });
}

void ChannelBulkEditModel::setDcsInverted(ToneSide side, bool inverted) {
    edit(ToneField(side, ChannelField::RxDcsInverted), Switch(inverted),
         [side, inverted](ChannelEditModel& model) { model.setDcsInverted(side, inverted); });
}

void ChannelBulkEditModel::setPttId(PttIdSystem system, int mode) {
    if (!InList(mode, kPttIdChoices)) return;
    edit(system == PttIdSystem::Dtmf ? ChannelField::DtmfPttId : ChannelField::FiveTonePttId, mode,
         [system, mode](ChannelEditModel& model) { model.setPttId(system, mode); });
}

void ChannelBulkEditModel::setCheck(ChannelCheck check, bool on) {
    edit(CheckField(check), Switch(on),
         [check, on](ChannelEditModel& model) { model.setCheck(check, on); });
}

std::vector<ChannelFieldRefusal> ChannelBulkEditModel::refusals() const {
    std::vector<ChannelFieldRefusal> found;
    for (std::size_t at = 0; at < kChannelFieldCount; ++at) {
        if (!chosen_[at]) continue;
        const auto field = static_cast<ChannelField>(at);
        ChannelFieldRefusal refusal{field, {}};
        // A later edit may have brought the value after all.
        for (const Channel& channel : channels_) {
            if (std::find(refused_[at].begin(), refused_[at].end(), channel.row) !=
                    refused_[at].end() &&
                ChannelFieldValue(channel.model, field) != requested_[at]) {
                refusal.rows.push_back(channel.row);
            }
        }
        if (!refusal.rows.empty()) found.push_back(std::move(refusal));
    }
    return found;
}

std::vector<int> ChannelBulkEditModel::refusedRows() const {
    std::vector<int> rows;
    for (const ChannelFieldRefusal& refusal : refusals()) {
        rows.insert(rows.end(), refusal.rows.begin(), refusal.rows.end());
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ChannelBulkEditModel::apply() {
    const std::vector<int> refused = refusedRows();
    for (Channel& channel : channels_) {
        if (std::binary_search(refused.begin(), refused.end(), channel.row)) continue;
        ChannelRecord* slot = codeplug_.channels.find(channel.row);
        if (!slot) continue;
        ChannelRecord edited = *slot;
        channel.model.storeInto(edited);
        CopyChangedFields(kChannelRecordFields, channel.untouched, edited, *slot);
    }
}

}  // namespace torvik
