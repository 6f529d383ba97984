// The channel editor over several channels at once, without its window. Each channel keeps an
// editor model of its own and every action of the user goes to each of them, so each channel
// follows its own rules (a squelch mode its tones and signalling do not offer stays out). A
// field shows one value when the channels share it and is mixed when they do not; a mixed
// field no action touched stays as each channel has it. The frequencies are not edited here.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "aggregate/codeplug.h"
#include "channel_edit/channel_edit_model.h"
#include "codeplug/feature_flags.h"
#include "platform/silent_reporter.h"

namespace torvik {

// Every field the editor offers besides the frequencies, each name box on its own.
enum class ChannelField {
    NameBox1,  // .. NameBox1 + kNameBoxes - 1
    Step = kNameBoxes,
    Bandwidth,
    TxPower,
    Signaling,
    DtmfMemory,
    TwoTone,
    FiveTone,
    RxToneType,
    RxCtcss,
    RxDcs,
    RxDcsInverted,
    TxToneType,
    TxCtcss,
    TxDcs,
    TxDcsInverted,
    Squelch,
    Scrambler,
    DtmfPttId,
    FiveTonePttId,
    BusyLock,
    TxInhibit,
    Reverse,
    Talkaround,
    Compander,
    ScanSkip,
    Count  // not a field; keep it last
};
inline constexpr std::size_t kChannelFieldCount = static_cast<std::size_t>(ChannelField::Count);

// The field of name box `box` (0..6).
constexpr ChannelField NameBoxField(int box) {
    return static_cast<ChannelField>(static_cast<int>(ChannelField::NameBox1) + box);
}

// A field's value in `model` as one number that compares across channels: list positions
// (the lists are the same for every channel of a codeplug), the squelch mode in the full list,
// 0 or 1 for switches, a name box's character (a blank for an empty box).
int ChannelFieldValue(const ChannelEditModel& model, ChannelField field);

// The channels that did not take a value the user chose for `field`, by channel number.
struct ChannelFieldRefusal {
    ChannelField field;
    std::vector<int> rows;
};

// The rows among `rows` that hold a channel, ascending, each once.
std::vector<int> RowsWithChannels(const ChannelTable& channels, const std::vector<int>& rows);

class ChannelBulkEditModel {
  public:
    // Works on the channels among `rows` (channel numbers 1..203); rows without a channel are
    // left out. At least one must hold a channel (std::invalid_argument otherwise). Nothing
    // of `codeplug` changes before apply().
    ChannelBulkEditModel(Codeplug& codeplug, const FeatureFlags& features,
                         const std::vector<int>& rows);
    ChannelBulkEditModel(const ChannelBulkEditModel&) = delete;
    ChannelBulkEditModel& operator=(const ChannelBulkEditModel&) = delete;

    // The channels edited, ascending.
    const std::vector<int>& rows() const { return rows_; }

    // The value a field shows, as ChannelFieldValue gives it: the value the user chose last
    // while every channel but those that refused it still holds it, else the value the
    // channels share, else (mixed) the first channel's.
    int value(ChannelField field) const;
    // True when the field shows no value: the channels do not share one and do not hold the
    // one chosen.
    bool mixed(ChannelField field) const;

    // The editor of one of the channels, for the value lists, which are the same for every
    // channel of a codeplug.
    const ChannelEditModel& lists() const { return first(); }
    // The squelch list is the full one: a position in it is the mode.
    const std::vector<int>& squelchChoices() const;
    // Every channel has a frequency, so every field is open.
    bool enabled() const { return true; }
    // A list that depends on another field shows only while that field is shared.
    NumberList visibleNumberList() const;
    bool showsCtcss(ToneSide side) const;
    bool showsDcs(ToneSide side) const;

    // The user's edits, as the single channel editor's model takes them, given to every
    // channel. A value outside its list (for the squelch: a mode outside 0..4) is ignored.
    void setNameBox(int box, std::string_view text);
    void setChoice(ChannelChoice choice, int position);
    void setSignaling(int position);
    void setToneType(ToneSide side, int type);
    void setCtcss(ToneSide side, int index);
    void setDcs(ToneSide side, int code);
    void setDcsInverted(ToneSide side, bool inverted);
    void setPttId(PttIdSystem system, int mode);
    void setCheck(ChannelCheck check, bool on);

    // The channels whose rules refused a value the user chose last for a field and that still
    // lack it, field by field in field order.
    std::vector<ChannelFieldRefusal> refusals() const;
    // The channels named by refusals(), ascending.
    std::vector<int> refusedRows() const;

    // Stores the edits: every channel that took all of them gets the fields the edits
    // changed in it, each through its own store rule; everything else of the channel, the
    // frequencies included, keeps its bytes. The channels with a refusal stay as they were.
    void apply();

  private:
    struct Channel {
        int row;
        ChannelEditModel model;
        // What the store rule makes of the channel as it opened: the fields where an edit
        // stores something else are the fields the edit changed.
        ChannelRecord untouched;
    };

    const ChannelEditModel& first() const { return channels_.front().model; }
    // Gives the action to every channel and notes which of them do not end with `requested`.
    template <class Action>
    void edit(ChannelField field, int requested, Action action);
    // The user's last choice for the field, still held by every channel that did not
    // refuse it.
    bool showsChoice(ChannelField field) const;

    Codeplug& codeplug_;
    SilentReporter quiet_;  // the channels' models report nothing: no frequency is stored
    std::vector<int> rows_;
    std::vector<Channel> channels_;
    // Per field: whether the user chose a value, the value, and the channels that refused it.
    std::array<bool, kChannelFieldCount> chosen_{};
    std::array<int, kChannelFieldCount> requested_{};
    std::array<std::vector<int>, kChannelFieldCount> refused_;
};

}  // namespace torvik
