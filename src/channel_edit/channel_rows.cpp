#include "channel_edit/channel_rows.h"

#include <vector>

#include "channel_edit/channel_keys.h"
#include "channel_edit/channel_texts.h"
#include "codeplug/freq_code.h"
#include "codeplug/tones.h"
#include "platform/gbk.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr int kFreqDecimals = 5;

std::string BandwidthText(int bandwidth, GridRefresh refresh) {
    switch (bandwidth) {
        case 0:
            return "25K";
        case 1:
            return "20K";
        case 2:
            return "12.5K";
        default:
            return refresh == GridRefresh::Full ? "20K" : "12.5K";
    }
}

std::string PowerText(int power, const Reporter& texts) {
    switch (power) {
        case 1:
            return texts.langText(kKeyChannelPowerMedium);
        case 2:
            return texts.langText(kKeyChannelPowerLow);
        default:
            return texts.langText(kKeyChannelPowerHigh);
    }
}

// Receive frequency shifted by the offset in the channel's direction; without a shift the
// transmit column repeats the receive column. A channel without a receive frequency has no
// transmit frequency either.
std::string TransmitText(const ChannelRecord& channel, const std::string& rxText,
                         Reporter& reporter) {
    if (channel.ShiftDir != 1 && channel.ShiftDir != 2) return rxText;
    const std::optional<double> rx = ParseDecimal(rxText);
    if (!rx) return rxText;
    const double offset =
        ParseDecimal(FreqCodeToPlainText(channel.Offset.raw(), reporter)).value_or(0.0);
    return FormatFixed(channel.ShiftDir == 1 ? *rx - offset : *rx + offset, 1, kFreqDecimals);
}

}  // namespace

ChannelCells ChannelListHeaders(const Reporter& texts) {
    auto two = [&](int first, int second) {
        return texts.langText(first) + "\r\n" + texts.langText(second);
    };
    return {texts.langText(kKeyChannelLabelHeader),
            texts.langText(kKeyChannelRxFreq),
            texts.langText(kKeyChannelTxFreq),
            texts.langText(kKeyChannelName),
            texts.langText(kKeyChannelStep),
            texts.langText(kKeyChannelBandwidth),
            texts.langText(kKeyChannelRelation),
            texts.langText(kKeyChannelPower),
            two(kKeyChannelToneType, kKeyChannelDecode),
            two(kKeyChannelToneType, kKeyChannelEncode),
            texts.langText(kKeyChannelSignaling)};
}

ChannelCells ChannelRowCells(const ChannelRecord& channel, const Band& band, Reporter& reporter,
                             GridRefresh refresh) {
    ChannelCells cells;
    cells[0] = ChannelLabel(channel.Number);
    cells[1] = FreqCodeToText(channel.RxFreq.raw(), band.limits(), reporter);
    cells[2] = TransmitText(channel, cells[1], reporter);
    cells[3] = GbkToUtf8Lossy(channel.Name.text());
    const std::vector<std::string_view> steps = StepList(band.code());
    if (channel.Step >= 0 && static_cast<std::size_t>(channel.Step) < steps.size()) {
        cells[4] = std::string(steps[static_cast<std::size_t>(channel.Step)]);
    }
    cells[5] = BandwidthText(channel.Bandwidth, refresh);
    cells[6] =
        reporter.langText(kKeyChannelRelationPrefix) + std::to_string(channel.Spare1 == 1 ? 1 : 0);
    cells[7] = PowerText(channel.TxPower, reporter);
    cells[8] = ChannelToneText(channel.RxToneType, channel.RxCtcss, channel.RxDcs,
                               channel.RxDcsInvert, reporter);
    cells[9] = ChannelToneText(channel.TxToneType, channel.TxCtcss, channel.TxDcs,
                               channel.TxDcsInvert, reporter);
    cells[10] = ChannelSignalingText(channel, reporter);
    return cells;
}

}  // namespace torvik
