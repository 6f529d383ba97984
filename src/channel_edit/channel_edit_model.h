// The channel editor without its window: the state of every control of one channel slot,
// the rules that tie the controls together while the user edits, and OK, which stores the
// slot into the channel table (or deletes it) and repairs the channel references. The
// window shows this state and forwards the user's actions; tests drive it directly.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aggregate/codeplug.h"
#include "channel_edit/channel_edit_rules.h"
#include "codeplug/channel_record.h"
#include "codeplug/feature_flags.h"
#include "platform/reporter.h"

namespace torvik {

inline constexpr std::string_view kVfoNotEmptyText = "VFO can't be null!";
inline constexpr std::string_view kNoFindDataText = "No Find Data!";
inline constexpr std::string_view kChannelTableFullText = "The channel table is full!";

enum class ToneSide { Receive, Transmit };

// One side's sub-audible tone: the type (none, CTCSS, DCS) and both value lists, which keep
// their choice while the other type is in use.
struct ToneFields {
    int type = kToneNone;
    int ctcss = 0;  // index into CtcssTable
    int dcs = 0;    // code 0..511
    bool dcsInverted = false;
    bool operator==(const ToneFields&) const = default;
};

// The value of every control. List choices are positions in the lists the model offers;
// -1 means nothing is selected.
struct ChannelEditFields {
    std::string rxText;
    std::string txText;
    std::array<std::string, kNameBoxes> nameBoxes;  // at most one character each
    int step = 0;
    int bandwidth = 0;
    int txPower = 0;
    int signaling = 0;   // position in signalingChoices()
    int dtmfMemory = 0;  // M1..M16 as 0..15
    int twoTone = -1;    // position in twoToneChoices()
    int fiveTone = -1;   // position in fiveToneChoices()
    ToneFields rxTone;
    ToneFields txTone;
    int squelch = 0;  // position in squelchChoices()
    int scrambler = 0;
    int dtmfPttId = 0;
    int fiveTonePttId = 0;
    int busyLock = 0;
    bool txInhibit = false;
    bool reverse = false;
    bool talkaround = false;
    bool compander = false;
    bool scanSkip = false;
    // Carried, never shown: stored back on OK as they were loaded.
    int extraDisplay = 0;  // entry of the additional-display list
    std::int16_t pttIdDecode = 0;
    std::string pttIdCode;  // as CutAtNul reads it; padded to five digits on OK
    std::int16_t spare6 = 0;
};

// The simple lists whose choice no rule watches.
enum class ChannelChoice {
    Step,
    Bandwidth,
    TxPower,
    Scrambler,
    BusyLock,
    DtmfMemory,
    TwoTone,
    FiveTone,
    Squelch
};
enum class ChannelCheck { TxInhibit, Reverse, Talkaround, Compander, ScanSkip };
enum class PttIdSystem { Dtmf, FiveTone };

// Which number list the optional signalling shows.
enum class NumberList { None, DtmfMemory, TwoTone, FiveTone };

enum class OkOutcome {
    Stored,     // the slot's channel was changed or added
    Deleted,    // the receive field was emptied: the slot's channel is gone
    Unchanged,  // an empty slot stayed empty
    StayOpen,   // refused; the receive field should get the focus
};

class ChannelEditModel {
  public:
    // Takes the working copy of the slot `row` (1..203; anything else is a program error,
    // std::out_of_range). Nothing of the codeplug changes before OK.
    ChannelEditModel(Codeplug& codeplug, const FeatureFlags& features, int row, Reporter& reporter);

    int row() const { return row_; }
    const ChannelEditFields& fields() const { return fields_; }

    // The lists as the window fills them.
    const std::vector<std::string_view>& stepChoices() const { return stepChoices_; }
    const std::vector<int>& signalingChoices() const { return signalingChoices_; }  // types
    const std::vector<int>& twoToneChoices() const { return twoToneChoices_; }      // numbers
    const std::vector<int>& fiveToneChoices() const { return fiveToneChoices_; }    // numbers
    const std::vector<int>& squelchChoices() const { return squelchChoices_; }  // full-list modes
    bool offersDtmfPttId() const { return features_.HasDTMF != 0; }
    bool offersFiveTonePttId() const { return features_.Has5Tone != 0; }

    // Everything but the receive frequency is enabled only while there is a frequency.
    bool enabled() const { return enabled_; }
    int signalingType() const;
    NumberList visibleNumberList() const;
    // The value lists of a side shown for its tone type (the inverted box goes with DCS).
    bool showsCtcss(ToneSide side) const { return tone(side).type == kToneCtcss; }
    bool showsDcs(ToneSide side) const { return tone(side).type == kToneDcs; }
    // The shift the two frequency texts stand for, as the transmit field explains it.
    ShiftPreview shiftPreview() const { return PreviewShift(fields_.rxText, fields_.txText); }

    // The user's edits. Text is cleaned by the field's character rules; a choice outside its
    // list is ignored.
    // The transmit text follows a new receive text by the shift the channel had, until the
    // user types into the transmit field.
    void setRxText(std::string_view text);
    void setTxText(std::string_view text);
    void setNameBox(int box, std::string_view text);
    void setChoice(ChannelChoice choice, int position);
    void setSignaling(int position);
    void setToneType(ToneSide side, int type);
    void setCtcss(ToneSide side, int index);
    void setDcs(ToneSide side, int code);
    void setDcsInverted(ToneSide side, bool inverted);
    void setPttId(PttIdSystem system, int mode);
    void setCheck(ChannelCheck check, bool on);

    // OK: stores, deletes or refuses, then repairs the emergency and scan channel references.
    OkOutcome commitOk();

    // The store rule into the slot's existing record ("No Find Data!" when there is none),
    // or into a new record appended to the table.
    bool storeIntoUsedSlot(int row);
    bool storeIntoNewSlot(int row);
    // The store rule into a record of the caller's; the channel table is left alone.
    void storeInto(ChannelRecord& record) { storeFields(record); }

  private:
    const ToneFields& tone(ToneSide side) const;
    ToneFields& tone(ToneSide side);
    void updateSquelchModes();
    void storeFields(ChannelRecord& record);

    Codeplug& codeplug_;
    FeatureFlags features_;
    Reporter& reporter_;
    int row_;
    ChannelEditFields fields_;
    bool enabled_ = false;
    // The transmit-minus-receive shift in 10 Hz the transmit text keeps while it follows.
    std::optional<long long> followShift_;
    bool txFollows_ = true;
    std::vector<std::string_view> stepChoices_;
    std::vector<int> signalingChoices_;
    std::vector<int> twoToneChoices_;
    std::vector<int> fiveToneChoices_;
    std::vector<int> squelchChoices_;
};

}  // namespace torvik
