#include "aggregate/image_codec.h"

#include <exception>
#include <string_view>

#include "calling/commbook/comm_book_codec.h"
#include "calling/dtmf/dtmf_codec.h"
#include "calling/fivetone/five_tone_codec.h"
#include "calling/twotone/two_tone_codec.h"
#include "codeplug/channel_codec.h"
#include "functions/emergency/emergency_codec.h"
#include "functions/options/option_codec.h"
#include "functions/radioinfo/radio_info_codec.h"
#include "functions/scan/scan_codec.h"

namespace torvik {
namespace {

using AreaStep = void (*)(Codeplug&);

struct EncodeStep {
    AreaStep encode;
    // Reported, word for word, when this area cannot be encoded.
    std::string_view failureText;
};

// The DTMF switches that live in the option area travel through the option codec.
OptionAreaDtmf DtmfInOptionArea(const DtmfSettings& dtmf) {
    return {dtmf.aniEnabled, dtmf.digitDuration};
}

void PackOptionArea(Codeplug& c) {
    PackOptions(c.record.options, c.record.squelchOffInhibit, DtmfInOptionArea(c.record.dtmf),
                c.image);
}

void UnpackOptionArea(Codeplug& c) {
    OptionAreaDtmf dtmf = DtmfInOptionArea(c.record.dtmf);
    UnpackOptions(c.image, c.record.options, c.record.squelchOffInhibit, dtmf);
    c.record.dtmf.aniEnabled = dtmf.aniEnabled;
    c.record.dtmf.digitDuration = dtmf.digitDuration;
}

// The radio's fixed encode order, one line an area. Scan and emergency fields are bytes by
// construction and cannot fail today; they are trapped all the same so that a future field
// that can fail never escapes as a crash.
constexpr EncodeStep kEncodeOrder[] = {
    {[](Codeplug& c) { PackScan(c.record.scan, c.image); }, "SetCommDataByScanError"},
    {[](Codeplug& c) { PackEmergency(c.record.emergency, c.image); }, "SetCommDataByAlertError"},
    {[](Codeplug& c) { EncodeChannels(c.channels, c.image); }, "SetCommDataByFrequencyError"},
    {PackOptionArea, "SetCommDataByOptionError"},
    {[](Codeplug& c) { PackFiveTone(c.record.fiveTone, c.record.decodeTime, c.image); },
     "SetCommDataBy5ToneError"},
    {[](Codeplug& c) { PackTwoTone(c.record.twoTone, c.image); }, "SetCommDataBy2ToneError"},
    {[](Codeplug& c) { PackDtmf(c.record.dtmf, c.image); }, "SetCommDataByDTMFError"},
    {[](Codeplug& c) { PackCommBook(c.record.commBook, c.image); },
     "SetCommDataByDTMFCommuBookError"},
};

// The fixed decode order.
constexpr AreaStep kDecodeOrder[] = {
    [](Codeplug& c) { DecodeChannels(c.image, c.channels); },
    [](Codeplug& c) { UnpackScan(c.image, c.record.scan); },
    [](Codeplug& c) { UnpackEmergency(c.image, c.record.emergency); },
    [](Codeplug& c) { UnpackRadioInfo(c.image, c.radioInfo); },
    UnpackOptionArea,
    [](Codeplug& c) { UnpackFiveTone(c.image, c.record.fiveTone, c.record.decodeTime); },
    [](Codeplug& c) { UnpackTwoTone(c.image, c.record.twoTone); },
    [](Codeplug& c) { UnpackDtmf(c.image, c.record.dtmf); },
    [](Codeplug& c) { UnpackCommBook(c.image, c.record.commBook); },
};

}  // namespace

std::optional<EncodedImage> EncodeImage(Codeplug& codeplug, Reporter& reporter) {
    PrefillImage(codeplug.image);
    for (const EncodeStep& step : kEncodeOrder) {
        try {
            step.encode(codeplug);
        } catch (const std::exception& error) {
            // The area's own text for the user, and the encoder's reason (which record,
            // which field, which value) beside it.
            reporter.showDetailed(Severity::Error, step.failureText, error.what());
            PrefillImage(codeplug.image);
            return std::nullopt;
        }
    }
    return EncodedImage(codeplug.image);
}

void DecodeImage(Codeplug& codeplug) {
    for (AreaStep decode : kDecodeOrder) decode(codeplug);
}

}  // namespace torvik
