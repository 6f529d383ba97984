#include "channel_edit/channel_edit_model.h"

#include <stdexcept>

#include "codeplug/freq_code.h"
#include "codeplug/tones.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

bool HasFrequencyCode(std::string_view code) {
    const std::size_t first = code.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    code = code.substr(first, code.find_last_not_of(' ') - first + 1);
    return !code.empty() && code != kNoFrequencyCode;
}

std::int16_t Flag(bool on) {
    return on ? 1 : 0;
}

std::int16_t Value(int v) {
    return static_cast<std::int16_t>(v);
}

bool InList(int position, std::size_t size) {
    return position >= 0 && static_cast<std::size_t>(position) < size;
}

}  // namespace

ChannelEditModel::ChannelEditModel(Codeplug& codeplug, const FeatureFlags& features, int row,
                                   Reporter& reporter)
    : codeplug_(codeplug), features_(features), reporter_(reporter), row_(row) {
    if (row < 1 || row > kChannelSlots) throw std::out_of_range("channel row");

    stepChoices_ = StepList(codeplug.band.code());
    signalingChoices_ = SignalingChoices(features);
    twoToneChoices_ = TwoToneNumberChoices(codeplug.record.twoTone);
    fiveToneChoices_ = FiveToneNumberChoices(codeplug.record.fiveTone);

    const ChannelRecord* stored = codeplug.channels.find(row);
    const ChannelRecord record = stored ? *stored : NewChannelRecord(row);
    ChannelEditFields& f = fields_;

    f.rxText = FreqCodeToText(record.RxFreq.text(), codeplug.band.limits(), reporter);
    const bool shifted = record.ShiftDir == 1 || record.ShiftDir == 2;
    f.txText = TransmitTextOnOpen(
        f.rxText, record.ShiftDir,
        shifted ? FreqCodeToPlainText(record.Offset.text(), reporter) : std::string());
    f.nameBoxes = SplitNameBoxes(record.Name.text());
    followShift_ = ShiftBetween(f.rxText, f.txText);

    // Values outside their lists open on the first entry rather than failing.
    f.step = ChoiceOrFirst(record.Step, static_cast<int>(stepChoices_.size()));
    f.bandwidth = ChoiceOrFirst(record.Bandwidth, kBandwidthChoices);
    f.txPower = TxPowerEntry(record.TxPower);
    f.signaling = SignalingPosition(signalingChoices_, record.Signaling);
    // All three number lists take their stored choice, so that OK without a change stores
    // the channel back as it was, whichever signalling is in use.
    f.dtmfMemory = ChoiceOrFirst(record.DtmfCodeNo, kDtmfMemoryChoices);
    f.twoTone = NumberPosition(twoToneChoices_, record.TwoToneNo);
    f.fiveTone = NumberPosition(fiveToneChoices_, record.FiveToneNo);
    f.rxTone = {ChoiceOrFirst(record.RxToneType, kToneTypeChoices),
                ChoiceOrFirst(record.RxCtcss, kCtcssCount),
                ChoiceOrFirst(record.RxDcs, kDcsCodeCount), record.RxDcsInvert != 0};
    f.txTone = {ChoiceOrFirst(record.TxToneType, kToneTypeChoices),
                ChoiceOrFirst(record.TxCtcss, kCtcssCount),
                ChoiceOrFirst(record.TxDcs, kDcsCodeCount), record.TxDcsInvert != 0};
    f.scrambler = ChoiceOrFirst(record.Scrambler, kScramblerChoices);
    f.dtmfPttId = ChoiceOrFirst(record.DtmfPttId, kPttIdChoices);
    f.fiveTonePttId = ChoiceOrFirst(record.FiveTonePttId, kPttIdChoices);
    f.busyLock = ChoiceOrFirst(record.BusyLock, kBusyLockChoices);
    f.txInhibit = record.TxInhibit != 0;
    f.reverse = record.Reverse != 0;
    f.talkaround = record.Talkaround != 0;
    f.compander = record.Compander != 0;
    f.scanSkip = record.ScanSkip != 0;
    f.extraDisplay = ExtraDisplayEntry(record.ExtraDisplay);
    f.pttIdDecode = record.PttIdDecode;
    f.pttIdCode = record.PttIdCode.text();
    f.spare6 = record.Spare6;

    f.squelch = 0;
    updateSquelchModes();
    f.squelch = SquelchPosition(squelchChoices_, record.SquelchMode);

    enabled_ = HasFrequencyCode(record.RxFreq.text());
}

int ChannelEditModel::signalingType() const {
    return InList(fields_.signaling, signalingChoices_.size())
               ? signalingChoices_[static_cast<std::size_t>(fields_.signaling)]
               : kSignalingNone;
}

NumberList ChannelEditModel::visibleNumberList() const {
    switch (signalingType()) {
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

const ToneFields& ChannelEditModel::tone(ToneSide side) const {
    return side == ToneSide::Receive ? fields_.rxTone : fields_.txTone;
}

ToneFields& ChannelEditModel::tone(ToneSide side) {
    return side == ToneSide::Receive ? fields_.rxTone : fields_.txTone;
}

void ChannelEditModel::setRxText(std::string_view text) {
    fields_.rxText = FilterRxFrequencyText(text);
    enabled_ = !fields_.rxText.empty();
    // Until the user types a transmit frequency it keeps its shift from the receive one, so
    // a simplex channel stays simplex and a repeater channel keeps its offset.
    if (!followShift_) followShift_ = ShiftBetween(fields_.rxText, fields_.txText);
    if (txFollows_ && followShift_) {
        if (auto tx = TransmitFollowingReceive(fields_.rxText, *followShift_)) fields_.txText = *tx;
    }
}

void ChannelEditModel::setTxText(std::string_view text) {
    fields_.txText = FilterTxFrequencyText(text);
    txFollows_ = false;
}

void ChannelEditModel::setNameBox(int box, std::string_view text) {
    if (box < 0 || box >= kNameBoxes || text.size() > 1) return;
    if (!text.empty() && !AcceptNameChar(text.front())) return;
    fields_.nameBoxes[static_cast<std::size_t>(box)] = std::string(text);
}

void ChannelEditModel::setChoice(ChannelChoice choice, int position) {
    ChannelEditFields& f = fields_;
    auto set = [position](int& field, std::size_t size) {
        if (InList(position, size)) field = position;
    };
    switch (choice) {
        case ChannelChoice::Step:
            set(f.step, stepChoices_.size());
            break;
        case ChannelChoice::Bandwidth:
            set(f.bandwidth, kBandwidthChoices);
            break;
        case ChannelChoice::TxPower:
            set(f.txPower, kTxPowerChoices);
            break;
        case ChannelChoice::Scrambler:
            set(f.scrambler, kScramblerChoices);
            break;
        case ChannelChoice::BusyLock:
            set(f.busyLock, kBusyLockChoices);
            break;
        case ChannelChoice::DtmfMemory:
            set(f.dtmfMemory, kDtmfMemoryChoices);
            break;
        case ChannelChoice::TwoTone:
            set(f.twoTone, twoToneChoices_.size());
            break;
        case ChannelChoice::FiveTone:
            set(f.fiveTone, fiveToneChoices_.size());
            break;
        case ChannelChoice::Squelch:
            set(f.squelch, squelchChoices_.size());
            break;
    }
}

void ChannelEditModel::setSignaling(int position) {
    if (!InList(position, signalingChoices_.size()) || position == fields_.signaling) return;
    fields_.signaling = position;
    // The newly shown number list starts at its first entry (none when it is empty).
    switch (visibleNumberList()) {
        case NumberList::DtmfMemory:
            fields_.dtmfMemory = 0;
            break;
        case NumberList::TwoTone:
            fields_.twoTone = twoToneChoices_.empty() ? -1 : 0;
            break;
        case NumberList::FiveTone:
            fields_.fiveTone = fiveToneChoices_.empty() ? -1 : 0;
            break;
        case NumberList::None:
            break;
    }
    updateSquelchModes();
}

void ChannelEditModel::setToneType(ToneSide side, int type) {
    ToneFields& t = tone(side);
    if (!InList(type, kToneTypeChoices) || type == t.type) return;
    t.type = type;
    updateSquelchModes();
    if (type == kToneCtcss) t.ctcss = 0;
    if (type == kToneDcs) {
        t.dcs = 0;
        t.dcsInverted = false;
    }
}

void ChannelEditModel::setCtcss(ToneSide side, int index) {
    if (InList(index, kCtcssCount)) tone(side).ctcss = index;
}

void ChannelEditModel::setDcs(ToneSide side, int code) {
    if (InList(code, kDcsCodeCount)) tone(side).dcs = code;
}

void ChannelEditModel::setDcsInverted(ToneSide side, bool inverted) {
    tone(side).dcsInverted = inverted;
}

void ChannelEditModel::setPttId(PttIdSystem system, int mode) {
    if (!InList(mode, kPttIdChoices)) return;
    // A channel sends one kind of PTT-ID: choosing one switches the other off.
    int& own = system == PttIdSystem::Dtmf ? fields_.dtmfPttId : fields_.fiveTonePttId;
    int& other = system == PttIdSystem::Dtmf ? fields_.fiveTonePttId : fields_.dtmfPttId;
    own = mode;
    if (mode != 0) other = 0;
}

void ChannelEditModel::setCheck(ChannelCheck check, bool on) {
    ChannelEditFields& f = fields_;
    switch (check) {
        case ChannelCheck::TxInhibit:
            f.txInhibit = on;
            break;
        case ChannelCheck::Compander:
            f.compander = on;
            break;
        case ChannelCheck::ScanSkip:
            f.scanSkip = on;
            break;
        case ChannelCheck::Reverse:
        case ChannelCheck::Talkaround: {
            bool& own = check == ChannelCheck::Reverse ? f.reverse : f.talkaround;
            bool& other = check == ChannelCheck::Reverse ? f.talkaround : f.reverse;
            own = on;
            if (on) other = false;  // reverse and talkaround exclude each other
            updateSquelchModes();
            break;
        }
    }
}

void ChannelEditModel::updateSquelchModes() {
    const int remembered = InList(fields_.squelch, squelchChoices_.size())
                               ? squelchChoices_[static_cast<std::size_t>(fields_.squelch)]
                               : 0;
    // With reverse the radio receives on the transmit settings, so their tone decides.
    const ToneFields& decisive = fields_.reverse ? fields_.txTone : fields_.rxTone;
    const bool toneSet = decisive.type != kToneNone;
    const bool signalingSet = fields_.signaling != 0;
    squelchChoices_ = torvik::SquelchModeList(toneSet, signalingSet);
    fields_.squelch = SquelchPosition(squelchChoices_, remembered);
}

OkOutcome ChannelEditModel::commitOk() {
    fields_.pttIdCode = PadPttIdCode(fields_.pttIdCode);

    OkOutcome outcome = OkOutcome::Stored;
    const bool numeric = ParseDecimal(fields_.rxText).has_value();
    if (row_ == kChannelVFO && !numeric) {
        reporter_.show(Severity::Warning, kVfoNotEmptyText);
        return OkOutcome::StayOpen;
    }
    if (!fields_.rxText.empty() && !numeric) {
        // A mistyped frequency must not delete the channel: it is corrected to the band
        // edge with the range warning and shown for the user to check.
        fields_.rxText = CheckRxFrequencyText(fields_.rxText, codeplug_.band, reporter_);
        return OkOutcome::StayOpen;
    }
    if (fields_.rxText.empty()) {
        outcome =
            DeleteChannel(codeplug_.channels, row_) ? OkOutcome::Deleted : OkOutcome::Unchanged;
    } else if (ChannelExists(codeplug_.channels, row_)) {
        if (!storeIntoUsedSlot(row_)) return OkOutcome::StayOpen;
    } else if (!storeIntoNewSlot(row_)) {
        return OkOutcome::StayOpen;
    }

    return outcome;
}

bool ChannelEditModel::storeIntoUsedSlot(int row) {
    ChannelRecord* record = codeplug_.channels.find(row);
    if (!record) {
        reporter_.show(Severity::Warning, kNoFindDataText);
        return false;
    }
    storeFields(*record);
    return true;
}

bool ChannelEditModel::storeIntoNewSlot(int row) {
    ChannelRecord* slot = AppendChannel(codeplug_.channels);
    if (!slot) {
        reporter_.show(Severity::Error, kChannelTableFullText);
        return false;
    }
    // Every number 0; the text fields are all set by the store rule.
    *slot = NewChannelRecord(row);
    slot->Spare6 = fields_.spare6;
    storeFields(*slot);
    return true;
}

void ChannelEditModel::storeFields(ChannelRecord& r) {
    const ChannelEditFields& f = fields_;
    const Band& band = codeplug_.band;
    r.Used = 1;
    r.Step = Value(f.step);

    const std::string rx = CheckRxFrequencyText(f.rxText, band, reporter_);
    fields_.rxText = rx;
    r.RxFreq = FixedText<9>::Raw(FreqTextToCode(rx));
    r.Name = FixedText<7>::Raw(JoinNameBoxes(f.nameBoxes));

    // An empty transmit field is simplex: it is checked as if the receive text were typed.
    const bool txEmpty = f.txText.find_first_not_of(' ') == std::string::npos;
    const std::string tx = CheckTxFrequencyText(txEmpty ? rx : f.txText, band, reporter_);
    const ShiftPreview shift = PreviewShift(rx, tx);
    r.ShiftDir = Value(shift.shiftDir);
    r.Offset = FixedText<9>::Raw(
        FreqTextToCode(OffsetFromTx(shift.offsetText, rx, shift.shiftDir, band, reporter_)));

    r.Bandwidth = Value(f.bandwidth);
    r.TxPower = Value(f.txPower);
    r.RxToneType = Value(f.rxTone.type);
    r.TxToneType = Value(f.txTone.type);
    r.Scrambler = Value(f.scrambler);
    r.DtmfPttId = Value(f.dtmfPttId);
    r.FiveTonePttId = Value(f.fiveTonePttId);
    r.BusyLock = Value(f.busyLock);
    r.SquelchMode = Value(InList(f.squelch, squelchChoices_.size())
                              ? squelchChoices_[static_cast<std::size_t>(f.squelch)]
                              : 0);
    r.ExtraDisplay = Value(ExtraDisplayValue(f.extraDisplay));
    r.Signaling = Value(signalingType());

    r.RxCtcss = Value(f.rxTone.ctcss);
    r.TxCtcss = Value(f.txTone.ctcss);
    r.RxDcs = Value(f.rxTone.dcs);
    r.TxDcs = Value(f.txTone.dcs);
    r.DtmfCodeNo = Value(InList(f.dtmfMemory, kDtmfMemoryChoices) ? f.dtmfMemory : 0);
    r.TwoToneNo = Value(InList(f.twoTone, twoToneChoices_.size())
                            ? twoToneChoices_[static_cast<std::size_t>(f.twoTone)]
                            : 0);
    r.FiveToneNo = Value(InList(f.fiveTone, fiveToneChoices_.size())
                             ? fiveToneChoices_[static_cast<std::size_t>(f.fiveTone)]
                             : 0);

    r.TxInhibit = Flag(f.txInhibit);
    r.RxDcsInvert = Flag(f.rxTone.dcsInverted);
    r.TxDcsInvert = Flag(f.txTone.dcsInverted);
    r.Reverse = Flag(f.reverse);
    r.Talkaround = Flag(f.talkaround);
    r.Compander = Flag(f.compander);
    r.ScanSkip = Flag(f.scanSkip);
    r.PttIdDecode = f.pttIdDecode;
    r.PttIdCode = FixedText<5>::Raw(PadPttIdCode(f.pttIdCode));
}

}  // namespace torvik
