#include "channel_edit/channel_cells.h"

#include <algorithm>

#include "channel_edit/channel_keys.h"
#include "channel_edit/channel_texts.h"
#include "codeplug/freq_code.h"
#include "codeplug/tones.h"
#include "platform/built_in_texts.h"
#include "platform/gbk.h"

namespace torvik {
namespace {

// The channel editor's bandwidth list.
constexpr std::string_view kBandwidthEntries[kBandwidthChoices] = {"25KHz", "20KHz", "12.5KHz"};

// Keeps what the channel editor's rules report, to say why a value was refused, and takes
// the words of the messages from `texts`.
class CollectingReporter : public Reporter {
  public:
    explicit CollectingReporter(const Reporter& texts) : texts_(texts) {}
    Language language() const override { return texts_.language(); }
    std::string langText(int key) const override { return texts_.langText(key); }
    void show(Severity, std::string_view text, std::string_view) override {
        if (std::find(messages.begin(), messages.end(), text) == messages.end()) {
            messages.emplace_back(text);
        }
    }
    Answer ask(Severity, std::string_view, Buttons, std::string_view) override {
        return Answer::Cancel;
    }

    std::vector<std::string> messages;

  private:
    const Reporter& texts_;
};

// The tone list of a cell: none, every CTCSS tone, every DCS code normal and inverted, in
// the order and the words of the list's cells.
std::vector<ToneFields> ToneEntries() {
    std::vector<ToneFields> entries{{}};
    for (int i = 0; i < kCtcssCount; ++i) entries.push_back({kToneCtcss, i, 0, false});
    for (int code = 0; code < kDcsCodeCount; ++code) {
        entries.push_back({kToneDcs, 0, code, false});
        entries.push_back({kToneDcs, 0, code, true});
    }
    return entries;
}

bool SameTone(const ToneFields& a, const ToneFields& b) {
    if (a.type != b.type) return false;
    if (a.type == kToneCtcss) return a.ctcss == b.ctcss;
    if (a.type == kToneDcs) return a.dcs == b.dcs && a.dcsInverted == b.dcsInverted;
    return true;
}

// An entry of the signalling list: the system's position in the editor's list and the
// position in its number list.
struct SignalingEntry {
    int signaling = 0;
    int number = 0;
};

std::vector<SignalingEntry> SignalingEntries(const ChannelEditModel& model) {
    std::vector<SignalingEntry> entries;
    const std::vector<int>& systems = model.signalingChoices();
    for (std::size_t s = 0; s < systems.size(); ++s) {
        const int position = static_cast<int>(s);
        std::size_t numbers = 1;
        if (systems[s] == kSignalingDtmf) numbers = kDtmfMemoryChoices;
        if (systems[s] == kSignalingTwoTone) numbers = model.twoToneChoices().size();
        if (systems[s] == kSignalingFiveTone) numbers = model.fiveToneChoices().size();
        for (std::size_t n = 0; n < numbers; ++n) {
            entries.push_back({position, static_cast<int>(n)});
        }
    }
    return entries;
}

std::string SignalingEntryText(const ChannelEditModel& model, const SignalingEntry& entry,
                               const Reporter& texts) {
    switch (model.signalingChoices()[static_cast<std::size_t>(entry.signaling)]) {
        case kSignalingDtmf:
            return "DTMF M" + std::to_string(entry.number + 1);
        case kSignalingTwoTone:
            return "2tone " +
                   std::to_string(model.twoToneChoices()[static_cast<std::size_t>(entry.number)]);
        case kSignalingFiveTone:
            return "5tone " +
                   std::to_string(model.fiveToneChoices()[static_cast<std::size_t>(entry.number)]);
        default:
            return texts.langText(kKeyChannelNone);
    }
}

int SignalingNumber(const ChannelEditModel& model) {
    switch (model.visibleNumberList()) {
        case NumberList::DtmfMemory:
            return model.fields().dtmfMemory;
        case NumberList::TwoTone:
            return model.fields().twoTone;
        case NumberList::FiveTone:
            return model.fields().fiveTone;
        case NumberList::None:
            break;
    }
    return 0;
}

void ChooseEntry(ChannelEditModel& model, int column, int position) {
    switch (column) {
        case kColumnStep:
            model.setChoice(ChannelChoice::Step, position);
            break;
        case kColumnBandwidth:
            model.setChoice(ChannelChoice::Bandwidth, position);
            break;
        case kColumnTxPower:
            model.setChoice(ChannelChoice::TxPower, position);
            break;
        case kColumnRxTone:
        case kColumnTxTone: {
            const ToneSide side = column == kColumnRxTone ? ToneSide::Receive : ToneSide::Transmit;
            const ToneFields tone = ToneEntries()[static_cast<std::size_t>(position)];
            model.setToneType(side, tone.type);
            if (tone.type == kToneCtcss) model.setCtcss(side, tone.ctcss);
            if (tone.type == kToneDcs) {
                model.setDcs(side, tone.dcs);
                model.setDcsInverted(side, tone.dcsInverted);
            }
            break;
        }
        case kColumnSignaling: {
            const SignalingEntry entry =
                SignalingEntries(model)[static_cast<std::size_t>(position)];
            model.setSignaling(entry.signaling);
            if (model.visibleNumberList() == NumberList::DtmfMemory) {
                model.setChoice(ChannelChoice::DtmfMemory, entry.number);
            } else if (model.visibleNumberList() == NumberList::TwoTone) {
                model.setChoice(ChannelChoice::TwoTone, entry.number);
            } else if (model.visibleNumberList() == NumberList::FiveTone) {
                model.setChoice(ChannelChoice::FiveTone, entry.number);
            }
            break;
        }
        default:
            break;
    }
}

// Gives the model a typed text; a refusal when the text is not one the cell takes.
std::string TypeText(ChannelEditModel& model, int column, const std::string& text,
                     Language language) {
    if (static_cast<int>(text.size()) > ChannelCellTextLength(column) ||
        !std::all_of(text.begin(), text.end(),
                     [column](char c) { return AcceptChannelCellChar(column, c); })) {
        return std::string(BuiltInText(
            column == kColumnName ? TextId::CellNameRefused : TextId::CellFrequencyRefused,
            language));
    }
    if (column == kColumnRxFreq) model.setRxText(text);
    if (column == kColumnTxFreq) model.setTxText(text);
    if (column == kColumnName) {
        for (int box = 0; box < kNameBoxes; ++box) {
            const auto at = static_cast<std::size_t>(box);
            model.setNameBox(box, at < text.size() ? text.substr(at, 1) : std::string());
        }
    }
    return {};
}

}  // namespace

CellEditor ChannelCellEditor(int column, bool channelExists) {
    switch (column) {
        case kColumnRxFreq:
            return CellEditor::Text;
        case kColumnTxFreq:
        case kColumnName:
            return channelExists ? CellEditor::Text : CellEditor::None;
        case kColumnStep:
        case kColumnBandwidth:
        case kColumnTxPower:
        case kColumnRxTone:
        case kColumnTxTone:
        case kColumnSignaling:
            return channelExists ? CellEditor::List : CellEditor::None;
        default:
            return CellEditor::None;
    }
}

std::string ChannelCellText(const ChannelEditModel& model, int column) {
    const ChannelEditFields& f = model.fields();
    switch (column) {
        case kColumnRxFreq:
            return f.rxText;
        case kColumnTxFreq:
            return f.txText;
        case kColumnName: {
            std::string name = JoinNameBoxes(f.nameBoxes);
            name.erase(name.find_last_not_of(' ') + 1);
            return GbkToUtf8Lossy(name);
        }
        default:
            return {};
    }
}

bool AcceptChannelCellChar(int column, char c) {
    switch (column) {
        case kColumnRxFreq:
            return AcceptRxFrequencyChar(c);
        case kColumnTxFreq:
            return AcceptRxFrequencyChar(c);  // a frequency, as the receive field takes it
        case kColumnName:
            return AcceptNameChar(c);
        default:
            return false;
    }
}

int ChannelCellTextLength(int column) {
    return column == kColumnName ? kNameBoxes : static_cast<int>(kFrequencyTextLength);
}

ChannelCellChoices ChannelCellChoicesOf(const ChannelEditModel& model, int column,
                                        const Reporter& texts) {
    const ChannelEditFields& f = model.fields();
    ChannelCellChoices choices;
    switch (column) {
        case kColumnStep:
            for (std::string_view step : model.stepChoices()) choices.entries.emplace_back(step);
            choices.current = f.step;
            break;
        case kColumnBandwidth:
            for (std::string_view entry : kBandwidthEntries) choices.entries.emplace_back(entry);
            choices.current = f.bandwidth;
            break;
        case kColumnTxPower:
            for (int key : {kKeyChannelPowerHigh, kKeyChannelPowerMedium, kKeyChannelPowerLow}) {
                choices.entries.push_back(texts.langText(key));
            }
            choices.current = f.txPower;
            break;
        case kColumnRxTone:
        case kColumnTxTone: {
            const ToneFields& own = column == kColumnRxTone ? f.rxTone : f.txTone;
            const std::vector<ToneFields> tones = ToneEntries();
            for (std::size_t i = 0; i < tones.size(); ++i) {
                const ToneFields& t = tones[i];
                choices.entries.push_back(
                    ChannelToneText(t.type, t.ctcss, t.dcs, t.dcsInverted, texts));
                if (SameTone(t, own)) choices.current = static_cast<int>(i);
            }
            break;
        }
        case kColumnSignaling: {
            const std::vector<SignalingEntry> entries = SignalingEntries(model);
            for (std::size_t i = 0; i < entries.size(); ++i) {
                choices.entries.push_back(SignalingEntryText(model, entries[i], texts));
                if (entries[i].signaling == f.signaling &&
                    entries[i].number == SignalingNumber(model)) {
                    choices.current = static_cast<int>(i);
                }
            }
            break;
        }
        default:
            break;
    }
    return choices;
}

ChannelCellStart StartChannelCell(const Codeplug& codeplug, const FeatureFlags& features, int row,
                                  int column, const Reporter& texts) {
    ChannelCellStart start;
    start.editor = ChannelCellEditor(column, codeplug.channels.find(row) != nullptr);
    if (start.editor == CellEditor::None) return start;
    Codeplug working = codeplug;
    // A damaged stored value was reported when the list showed it; opening an editor on it
    // says nothing more.
    CollectingReporter quiet(texts);
    const ChannelEditModel model(working, features, row, quiet);
    if (start.editor == CellEditor::Text) {
        start.text = ChannelCellText(model, column);
    } else {
        start.choices = ChannelCellChoicesOf(model, column, texts);
    }
    return start;
}

ChannelCellEdit EditChannelCell(Codeplug& codeplug, const FeatureFlags& features, int row,
                                int column, const ChannelCellValue& value, const Reporter& texts) {
    const bool exists = codeplug.channels.find(row) != nullptr;
    const CellEditor editor = ChannelCellEditor(column, exists);
    if (editor == CellEditor::None) return {};

    // The rules may store before they warn: they work on a copy that is kept only when
    // nothing was refused.
    Codeplug working = codeplug;
    CollectingReporter reporter(texts);
    ChannelEditModel model(working, features, row, reporter);
    reporter.messages.clear();  // what the stored channel says as it is read is not this edit's

    if (editor == CellEditor::Text) {
        const std::string* text = std::get_if<std::string>(&value);
        if (!text) return {};
        if (*text == ChannelCellText(model, column)) return {};
        if (std::string refusal = TypeText(model, column, *text, texts.language());
            !refusal.empty()) {
            return {false, refusal, {}};
        }
    } else {
        const ChannelCellChoices choices = ChannelCellChoicesOf(model, column, texts);
        int position = -1;
        if (const int* chosen = std::get_if<int>(&value)) position = *chosen;
        if (const std::string* text = std::get_if<std::string>(&value)) {
            const auto found = std::find(choices.entries.begin(), choices.entries.end(), *text);
            if (found != choices.entries.end()) {
                position = static_cast<int>(found - choices.entries.begin());
            }
        }
        if (position < 0 || position >= static_cast<int>(choices.entries.size())) return {};
        if (position == choices.current) return {};
        ChooseEntry(model, column, position);
    }

    const OkOutcome outcome = model.commitOk();
    if (outcome == OkOutcome::StayOpen || !reporter.messages.empty()) {
        std::string refusal;
        for (const std::string& message : reporter.messages) {
            refusal += (refusal.empty() ? "" : "\n") + message;
        }
        if (refusal.empty()) refusal = BuiltInText(TextId::CellFrequencyRefused, texts.language());
        std::string corrected;
        if (column == kColumnRxFreq) corrected = model.fields().rxText;
        if (column == kColumnTxFreq) {
            CollectingReporter quiet(texts);
            corrected = CheckTxFrequencyText(model.fields().txText, codeplug.band, quiet);
        }
        return {false, refusal, corrected};
    }
    if (outcome == OkOutcome::Unchanged) return {};
    codeplug = std::move(working);
    return {true, {}, {}};
}

}  // namespace torvik
