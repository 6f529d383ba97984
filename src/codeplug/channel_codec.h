// The channels' image form: 32-byte records, the empty and scan-skip bitmaps and the
// per-channel PTT-ID code area.
//
//   record base   channels 1..200: 8192 + 32 × (n - 1); PA 640; PB 608; VFO 704
//   byte  0..3    receive frequency, BCD of the first 8 code digits (100 Hz units)
//   byte  4..7    offset, the same
//   byte  8       Step
//   byte  9       TxInhibit b0, Reverse b1, Bandwidth b2-3, TxDcsInvert b4, TxDcsBit8 b5,
//                 PttIdDecode b6
//   byte 10       shift b0-1 (0 simplex, 2 minus, 3 plus), TxPower b2-3, RxDcsInvert b4,
//                 RxDcsBit8 b5, Compander b6, Talkaround b7
//   byte 11       TxToneType b0-1, RxToneType b2-3, DtmfCodeNo b4-7
//   byte 12..18   TxCtcss, RxCtcss, TxDcs low, RxDcs low, Signaling, TwoToneNo, FiveToneNo
//   byte 19..25   name, blank-filled (all 0x00 when empty)
//   byte 26..30   BusyLock, Byte27, DtmfPttId | FiveTonePttId << 4, SquelchMode, Scrambler
//   byte 31       not written
//
//   256..  empty bitmap, 288.. scan-skip bitmap: slots 0..201 (the VFO has no bits)
//   1536.. PTT-ID code area: 5 bytes (one hex digit each) per channel 1..200
#pragma once

#include <cstddef>

#include "codeplug/byte_fields.h"
#include "codeplug/channel_record.h"
#include "codeplug/radio_image.h"

namespace torvik {

struct ChannelLayout {
    static constexpr std::size_t kMemoryBase = 8192;
    static constexpr std::size_t kPABase = 640;
    static constexpr std::size_t kPBBase = 608;
    static constexpr std::size_t kVfoBase = 704;
    static constexpr std::size_t kRecordSize = 32;

    static constexpr std::size_t kEmptyBitmap = 256;
    static constexpr std::size_t kScanSkipBitmap = 288;
    static constexpr int kBitmapSlots = 202;  // channels 1..200, PA, PB

    static constexpr std::size_t kCodeArea = 1536;
    static constexpr std::size_t kCodeDigits = 5;

    // Offsets inside a record.
    static constexpr std::size_t kRxFreq = 0;
    static constexpr std::size_t kOffset = 4;
    static constexpr std::size_t kFreqBytes = 4;
    static constexpr std::size_t kStep = 8;
    static constexpr std::size_t kFlags9 = 9;
    static constexpr std::size_t kFlags10 = 10;
    static constexpr std::size_t kToneTypes = 11;
    static constexpr std::size_t kTxCtcss = 12;
    static constexpr std::size_t kRxCtcss = 13;
    static constexpr std::size_t kTxDcsLow = 14;
    static constexpr std::size_t kRxDcsLow = 15;
    static constexpr std::size_t kSignaling = 16;
    static constexpr std::size_t kTwoToneNo = 17;
    static constexpr std::size_t kFiveToneNo = 18;
    static constexpr std::size_t kName = 19;
    static constexpr std::size_t kNameBytes = 7;
    static constexpr std::size_t kBusyLock = 26;
    static constexpr std::size_t kByte27 = 27;
    static constexpr std::size_t kPttIdModes = 28;
    static constexpr std::size_t kSquelchMode = 29;
    static constexpr std::size_t kScrambler = 30;

    // The bit fields of the flag bytes. Byte 9 bit 7 has no field and is written 0.
    static constexpr BitField kTxInhibit{"TxInhibit", kFlags9, 0, 1};
    static constexpr BitField kReverse{"Reverse", kFlags9, 1, 1};
    static constexpr BitField kBandwidth{"Bandwidth", kFlags9, 2, 2};
    static constexpr BitField kTxDcsInvert{"TxDcsInvert", kFlags9, 4, 1};
    static constexpr BitField kTxDcsBit8{"TxDcsBit8", kFlags9, 5, 1};
    static constexpr BitField kPttIdDecode{"PttIdDecode", kFlags9, 6, 1};

    // Simplex is 0 and a shift direction d is d + 1: 2 minus, 3 plus.
    static constexpr BitField kShift{"ShiftDir + 1", kFlags10, 0, 2};
    static constexpr BitField kTxPower{"TxPower", kFlags10, 2, 2};
    static constexpr BitField kRxDcsInvert{"RxDcsInvert", kFlags10, 4, 1};
    static constexpr BitField kRxDcsBit8{"RxDcsBit8", kFlags10, 5, 1};
    static constexpr BitField kCompander{"Compander", kFlags10, 6, 1};
    static constexpr BitField kTalkaround{"Talkaround", kFlags10, 7, 1};

    static constexpr BitField kTxToneType{"TxToneType", kToneTypes, 0, 2};
    static constexpr BitField kRxToneType{"RxToneType", kToneTypes, 2, 2};
    static constexpr BitField kDtmfCodeNo{"DtmfCodeNo", kToneTypes, 4, 4};

    static constexpr BitField kDtmfPttId{"DtmfPttId", kPttIdModes, 0, 4};
    static constexpr BitField kFiveTonePttId{"FiveTonePttId", kPttIdModes, 4, 4};

    // Image address of the record of a channel number 1..203.
    static std::size_t RecordBase(int number);
    // Image address of the first code digit of a memory channel 1..200.
    static constexpr std::size_t CodeBase(int number) {
        return kCodeArea + kCodeDigits * static_cast<std::size_t>(number - 1);
    }
};

// Writes the first ChannelCount records into a prefilled image. Keeps each record's DCS
// bit-8 fields in step with its codes. Throws EncodeError on a value the layout cannot hold.
void EncodeChannels(ChannelTable& table, RadioImage& image);

// Rebuilds the table from the image, in ascending channel order. Code-area bytes that are
// not hex digits are repaired to 0 in the image itself.
void DecodeChannels(RadioImage& image, ChannelTable& table);

}  // namespace torvik
