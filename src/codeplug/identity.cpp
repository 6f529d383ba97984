#include "codeplug/identity.h"

#include "codeplug/band.h"
#include "codeplug/fixed_text.h"
#include "platform/message_table.h"

namespace torvik {

std::string ProductName(const RadioIdentity& identity) {
    return CutAtNul(identity.RadioModel) == ModelId ? "TORVIK" : "Unknown";
}

bool CheckIdentity(TransferMode mode, const RadioIdentity& radio, std::int16_t codeplugBand,
                   Reporter& reporter) {
    const Language language = reporter.language();
    auto tell = [&](Severity severity, MessageId id) {
        reporter.show(severity, MessageText(id, language));
    };

    bool good = true;
    if (radio.RadioVersion == kExpectedVersion && radio.RadioModel == ModelId) {
        good = true;
    } else if (radio.RadioModel != ModelId) {
        tell(Severity::Error, MessageId::ModelWrong);
        good = false;
    } else {
        tell(Severity::Error, MessageId::VersionWrong);
        good = false;
    }

    if (mode == TransferMode::Write && !SameBandForWrite(radio.RadioBandCode, codeplugBand)) {
        tell(Severity::Warning, MessageId::BandWrong);
        good = false;
    }
    if (!good || mode != TransferMode::Write) return good;

    if (radio.RadioKilled) {
        tell(Severity::Error, MessageId::RadioKilled);
        return false;
    }
    if (radio.RadioStunned) {
        tell(Severity::Error, MessageId::RadioFainted);
        return false;
    }
    return true;
}

}  // namespace torvik
