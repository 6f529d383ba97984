// The automatic search of the communication settings: when a read or write gets no answer
// to its open frame or identity request, every candidate port is tried with every stop-bit
// and handshaking variant until a radio of our model answers. The first radio of another
// model that answers is kept as a fallback.
#include "codeplug/fixed_text.h"
#include "codeplug/identity.h"
#include "link/link_engine.h"
#include "platform/built_in_texts.h"

namespace torvik {

void LinkEngine::startSearch() {
    search_.begin(state_.Mode, progressCaption_, ctx_.host.searchCandidates());
    state_.Mode = LinkMode::Search;
    ctx_.host.setProgressCaption(BuiltInText(TextId::SettingsSearch, ctx_.reporter.language()));
    if (ctx_.port.isOpen()) ctx_.port.close();
    if (!search_.hasCandidates()) {
        endSearch();
        return;
    }
    trySearchCandidate(false);
}

void LinkEngine::trySearchCandidate(bool advance) {
    ctx_.timer.stop();
    const std::optional<PortSettings> opened =
        search_.next(advance, [this](const PortSettings& settings) { return openPort(settings); });
    if (!opened) {
        endSearch();
        return;
    }
    state_.ProgramRetries = kSendsPerFrame;
    state_.IdentityRetries = kSendsPerFrame;
    radioInProgramming_ = false;  // another port, another radio
    sendOpenFrame();
}

void LinkEngine::takeSearchReply(std::span<const std::uint8_t> afterEcho) {
    if (state_.Step == LinkStep::Open && awaiting_ == Awaiting::OpenReply) {
        if (!IsOpenReply(afterEcho, ModelId)) return;
        ctx_.timer.stop();
        radioInProgramming_ = true;
        state_.Step = LinkStep::Identity;
        sendIdentityRequest();
        return;
    }
    if (state_.Step != LinkStep::Identity || awaiting_ != Awaiting::Identity) return;
    const std::optional<IdentityReply> reply = ParseIdentityBlock(afterEcho);
    if (!reply) return;
    ctx_.timer.stop();
    adoptIdentity(*reply);
    if (CutAtNul(reply->model) == CutAtNul(ModelId)) {
        searchSucceeded();
    } else {
        search_.noteOtherModel();
        trySearchCandidate(true);
    }
}

void LinkEngine::searchTimeout() {
    if (state_.Step == LinkStep::Open) {
        if (--state_.ProgramRetries >= 1) {
            sendOpenFrame();
        } else {
            trySearchCandidate(true);
        }
    } else if (state_.Step == LinkStep::Identity) {
        if (--state_.IdentityRetries >= 1) {
            sendIdentityRequest();
        } else {
            trySearchCandidate(true);
        }
    }
}

// Our radio answered: keep its settings and let the interrupted connection carry on from
// the open reply, which asks for the identity again.
void LinkEngine::searchSucceeded() {
    state_.Mode = search_.savedMode();
    state_.Step = LinkStep::Open;
    ctx_.portSettings = search_.current();
    ctx_.host.savePortSettings(ctx_.portSettings);
    ctx_.host.setProgressCaption(search_.savedCaption());
    advanceSession();
}

void LinkEngine::endSearch() {
    state_.Mode = search_.savedMode();
    ctx_.host.setProgressCaption(search_.savedCaption());
    if (const std::optional<PortSettings>& fallback = search_.fallback()) {
        // The connection starts again on the settings of the first radio that answered; the
        // identity check then tells the user what kind of radio it is.
        ctx_.portSettings = *fallback;
        state_.Step = LinkStep::Open;
        ctx_.host.savePortSettings(ctx_.portSettings);
        if (openPort(ctx_.portSettings)) {
            ResetRetries(state_);
            sendOpenFrame();
            return;
        }
    }
    finishSession(false);
}

}  // namespace torvik
