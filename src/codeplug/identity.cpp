#include "codeplug/identity.h"

#include "codeplug/band.h"
#include "codeplug/fixed_text.h"
#include "platform/built_in_texts.h"

namespace torvik {

std::string ProductName(const RadioIdentity& identity) {
    return CutAtNul(identity.RadioModel) == ModelId ? "TORVIK" : "Unknown";
}

bool CheckIdentity(TransferMode mode, const RadioIdentity& radio, std::int16_t codeplugBand,
                   Reporter& reporter) {
    const Language language = reporter.language();
    auto tell = [&](Severity severity, TextId id) {
        reporter.show(severity, BuiltInText(id, language));
    };

    bool good = true;
    if (radio.RadioVersion == kExpectedVersion && radio.RadioModel == ModelId) {
        good = true;
    } else if (radio.RadioModel != ModelId) {
        tell(Severity::Error, TextId::ModelWrong);
        good = false;
    } else {
        tell(Severity::Error, TextId::VersionWrong);
        good = false;
    }

    if (mode == TransferMode::Write && !SameBandForWrite(radio.RadioBandCode, codeplugBand)) {
        tell(Severity::Warning, TextId::BandWrong);
        good = false;
    }
    if (!good || mode != TransferMode::Write) return good;

    if (radio.RadioKilled) {
        tell(Severity::Error, TextId::RadioKilled);
        return false;
    }
    if (radio.RadioStunned) {
        tell(Severity::Error, TextId::RadioFainted);
        return false;
    }
    return true;
}

}  // namespace torvik
