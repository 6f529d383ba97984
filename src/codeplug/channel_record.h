// The channel record the editors, files and grid work on, and the table of the 203 channel
// slots (memory channels 1..200, then PA, PB and VFO).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <tuple>

#include "codeplug/band.h"
#include "codeplug/fixed_text.h"
#include "codeplug/record_fields.h"

namespace torvik {

inline constexpr int kMemoryChannels = 200;
inline constexpr int kChannelPA = 201;
inline constexpr int kChannelPB = 202;
inline constexpr int kChannelVFO = 203;
inline constexpr int kChannelSlots = 203;

// The codes of a channel's TxToneType / RxToneType and of its Signaling.
enum ToneType { kToneNone = 0, kToneCtcss = 1, kToneDcs = 2 };
enum SignalingType {
    kSignalingNone = 0,
    kSignalingDtmf = 1,
    kSignalingTwoTone = 2,
    kSignalingFiveTone = 3
};

// One used channel. Field order is the order of the channel file's records. A default record
// is an empty slot: no frequency, no offset, blank name, code "00000".
struct ChannelRecord {
    std::int16_t Number = 0;                               // 1..203
    std::int16_t Used = 0;                                 // 1 used, 0 empty
    std::int16_t ScanSkip = 0;                             // 1 skipped by scan
    FixedText<9> RxFreq = FixedText<9>::Raw("FFFFFFFFF");  // FreqCode, all F: none
    FixedText<9> Offset = FixedText<9>::Raw("000000000");  // FreqCode of the offset magnitude
    FixedText<7> Name;
    std::int16_t Step = 0;  // index into StepList(band)
    std::int16_t TxInhibit = 0;
    std::int16_t Bandwidth = 0;  // 0 25 kHz, 1 20 kHz, 2 12.5 kHz
    std::int16_t TxDcsInvert = 0;
    std::int16_t TxDcsBit8 = 0;  // kept in step with TxDcs by the encoder
    std::int16_t Spare1 = 0;     // the Spare fields and ExtraDisplay travel only in files
    std::int16_t Spare2 = 0;
    std::int16_t Spare3 = 0;
    std::int16_t ShiftDir = 0;  // 0 simplex, 1 minus, 2 plus
    std::int16_t TxPower = 0;
    std::int16_t Talkaround = 0;
    std::int16_t RxDcsInvert = 0;
    std::int16_t RxDcsBit8 = 0;
    std::int16_t Compander = 0;
    std::int16_t Spare4 = 0;
    std::int16_t TxToneType = 0;  // ToneType: 0 none, 1 CTCSS, 2 DCS
    std::int16_t RxToneType = 0;
    std::int16_t TxCtcss = 0;  // index into CtcssTable
    std::int16_t RxCtcss = 0;
    std::int16_t TxDcs = 0;  // 0..511, octal digits name the code
    std::int16_t RxDcs = 0;
    std::int16_t Signaling = 0;  // SignalingType: 0 none, 1 DTMF, 2 2-Tone, 3 5-Tone
    std::int16_t Spare5 = 0;
    std::int16_t TwoToneNo = 0;
    std::int16_t FiveToneNo = 0;
    std::int16_t Spare6 = 0;
    std::int16_t Reverse = 0;
    std::int16_t Scrambler = 0;
    std::int16_t DtmfPttId = 0;
    std::int16_t FiveTonePttId = 0;
    std::int16_t SquelchMode = 0;
    std::int16_t DtmfCodeNo = 0;  // DTMF memory 0..15, shown M1..M16
    std::int16_t ExtraDisplay = 0;
    std::int16_t BusyLock = 0;
    std::int16_t Byte27 = 0;  // carried between image and record untouched
    std::int16_t PttIdDecode = 0;
    FixedText<5> PttIdCode = FixedText<5>::Raw("00000");  // five hex digits

    bool operator==(const ChannelRecord&) const = default;
};

// Every field in declaration order: the channel file's record layout, the text forms and
// field-by-field comparison all walk this one list.
inline constexpr std::tuple kChannelRecordFields{
    Field("Number", &ChannelRecord::Number),
    Field("Used", &ChannelRecord::Used),
    Field("ScanSkip", &ChannelRecord::ScanSkip),
    Field("RxFreq", &ChannelRecord::RxFreq),
    Field("Offset", &ChannelRecord::Offset),
    Field("Name", &ChannelRecord::Name),
    Field("Step", &ChannelRecord::Step),
    Field("TxInhibit", &ChannelRecord::TxInhibit),
    Field("Bandwidth", &ChannelRecord::Bandwidth),
    Field("TxDcsInvert", &ChannelRecord::TxDcsInvert),
    Field("TxDcsBit8", &ChannelRecord::TxDcsBit8),
    Field("Spare1", &ChannelRecord::Spare1),
    Field("Spare2", &ChannelRecord::Spare2),
    Field("Spare3", &ChannelRecord::Spare3),
    Field("ShiftDir", &ChannelRecord::ShiftDir),
    Field("TxPower", &ChannelRecord::TxPower),
    Field("Talkaround", &ChannelRecord::Talkaround),
    Field("RxDcsInvert", &ChannelRecord::RxDcsInvert),
    Field("RxDcsBit8", &ChannelRecord::RxDcsBit8),
    Field("Compander", &ChannelRecord::Compander),
    Field("Spare4", &ChannelRecord::Spare4),
    Field("TxToneType", &ChannelRecord::TxToneType),
    Field("RxToneType", &ChannelRecord::RxToneType),
    Field("TxCtcss", &ChannelRecord::TxCtcss),
    Field("RxCtcss", &ChannelRecord::RxCtcss),
    Field("TxDcs", &ChannelRecord::TxDcs),
    Field("RxDcs", &ChannelRecord::RxDcs),
    Field("Signaling", &ChannelRecord::Signaling),
    Field("Spare5", &ChannelRecord::Spare5),
    Field("TwoToneNo", &ChannelRecord::TwoToneNo),
    Field("FiveToneNo", &ChannelRecord::FiveToneNo),
    Field("Spare6", &ChannelRecord::Spare6),
    Field("Reverse", &ChannelRecord::Reverse),
    Field("Scrambler", &ChannelRecord::Scrambler),
    Field("DtmfPttId", &ChannelRecord::DtmfPttId),
    Field("FiveTonePttId", &ChannelRecord::FiveTonePttId),
    Field("SquelchMode", &ChannelRecord::SquelchMode),
    Field("DtmfCodeNo", &ChannelRecord::DtmfCodeNo),
    Field("ExtraDisplay", &ChannelRecord::ExtraDisplay),
    Field("BusyLock", &ChannelRecord::BusyLock),
    Field("Byte27", &ChannelRecord::Byte27),
    Field("PttIdDecode", &ChannelRecord::PttIdDecode),
    Field("PttIdCode", &ChannelRecord::PttIdCode)};

constexpr const auto& FieldsOf(const ChannelRecord*) {
    return kChannelRecordFields;
}

template <class Record, class Visit>
void VisitChannelFields(Record& record, Visit&& visit) {
    VisitFields(kChannelRecordFields, record, visit);
}

// A fixed table of slots of which the first ChannelCount hold the used channels, each
// identified by its own Number, not by its position.
struct ChannelTable {
    std::array<ChannelRecord, kChannelSlots> records{};
    std::int16_t ChannelCount = 0;

    std::span<ChannelRecord> used() { return {records.data(), UsedCount()}; }
    std::span<const ChannelRecord> used() const { return {records.data(), UsedCount()}; }

    // The used record with this number, or nullptr.
    const ChannelRecord* find(int number) const;
    ChannelRecord* find(int number);

    bool operator==(const ChannelTable&) const = default;

  private:
    std::size_t UsedCount() const {
        return ChannelCount < 0 ? 0 : std::min<std::size_t>(ChannelCount, kChannelSlots);
    }
};

// A channel number as the user sees it everywhere (the list, CSV, comparison, printed
// report, messages, the command-line summary): memory channels 1..200 as "0".."199", then
// "PA", "PB", "VFO".
std::string ChannelLabel(int number);

// An empty record for a channel number: no frequency, zero offset, blank name, "00000".
ChannelRecord NewChannelRecord(int number);

// Writes the default VFO channel into table position 0: the middle of the receive band.
void DefaultVfoChannel(ChannelTable& table, const BandLimits& limits);

// The table's next free slot, now counted as used; it keeps what the slot held, for the
// caller to fill. Nothing when the table is full.
ChannelRecord* AppendChannel(ChannelTable& table);

bool ChannelExists(const ChannelTable& table, int number);

// Removes the used channel with this number: the records after it move one place down and
// the freed slot becomes empty. False when no used channel has the number.
bool DeleteChannel(ChannelTable& table, int number);

// A memory-channel reference (1..200) that still names a used channel: the number itself
// when it is used, else the last used memory channel in table order, else 0.
int ValidChannelRef(const ChannelTable& table, int number);

}  // namespace torvik
