// The engine's receive side: recognising the reply to the frame just sent (after the
// cable's echo) and moving the connection on.
#include <algorithm>

#include "codeplug/identity.h"
#include "link/link_engine.h"
#include "link/password.h"

namespace torvik {
namespace {

// Test-data bytes that always come from the radio on a factory write.
constexpr std::size_t kRadioOwnedTestBytes[] = {0, 1, 14, 15};

}  // namespace

void LinkEngine::serialBytesWaiting() {
    // Inside a message box the bytes stay waiting; the next frame discards them.
    if (inModal_ || isIdle()) return;
    const Bytes reply = ctx_.port.takeAll();
    const auto echo = static_cast<std::size_t>(state_.EchoLength);
    if (reply.size() < echo) return;
    // The echo is skipped, never compared: only the radio's answer behind it counts.
    const std::span<const std::uint8_t> afterEcho = std::span(reply).subspan(echo);
    if (state_.Mode == LinkMode::Search) {
        takeSearchReply(afterEcho);
    } else {
        takeReply(afterEcho);
    }
}

void LinkEngine::serialError(SerialError) {
    if (isIdle()) return;
    if (inModal_) {
        deferredError_ = true;
        return;
    }
    failOnSerialError();
}

void LinkEngine::takeReply(std::span<const std::uint8_t> afterEcho) {
    switch (awaiting_) {
        case Awaiting::OpenReply:
            if (IsOpenReply(afterEcho, ModelId)) AdvanceSession();
            break;
        case Awaiting::Identity:
            takeIdentity(afterEcho);
            break;
        case Awaiting::PasswordBlock:
            takePasswordBlock(afterEcho);
            break;
        case Awaiting::TestDataBlock:
            takeTestDataBlock(afterEcho);
            break;
        case Awaiting::DataBlock:
            takeDataBlock(afterEcho);
            break;
        case Awaiting::TestDataAck:
        case Awaiting::DataAck:
        case Awaiting::EndAck:
            takeAcknowledgement(afterEcho);
            break;
        case Awaiting::Nothing:
            break;
    }
}

void LinkEngine::takeAcknowledgement(std::span<const std::uint8_t> afterEcho) {
    if (afterEcho.size() != 1) return;
    if (afterEcho[0] == kAck) {
        AdvanceSession();
    } else if (afterEcho[0] == kRepeat && awaiting_ != Awaiting::EndAck) {
        // The radio asks for the same data frame again; that costs no retry.
        ctx_.timer.stop();
        sendFrame(lastFrame_, 1, awaiting_);
    }
}

void LinkEngine::adoptIdentity(const IdentityReply& reply) {
    RadioIdentity& identity = ctx_.codeplug.identity;
    identity.RadioModel = reply.model;
    identity.RadioVersion = reply.version;
    identity.RadioBandCode = reply.bandCode;
    identity.RadioKilled = reply.killed;
    identity.RadioStunned = reply.stunned;
    ApplyFeatureBits(ctx_.features, reply.featureBits);
    ctx_.host.featuresChanged(ctx_.features);
}

void LinkEngine::takeIdentity(std::span<const std::uint8_t> afterEcho) {
    const std::optional<IdentityReply> reply = ParseIdentityBlock(afterEcho);
    if (!reply) return;
    ctx_.timer.stop();
    adoptIdentity(*reply);
    bool accepted = false;
    {
        ModalScope scope(inModal_);
        const TransferMode mode =
            state_.Mode == LinkMode::Write ? TransferMode::Write : TransferMode::Read;
        accepted =
            CheckIdentity(mode, ctx_.codeplug.identity, ctx_.codeplug.band.code(), ctx_.reporter);
    }
    if (!accepted) {
        FinishSession(false);
    } else if (takeDeferredError()) {
        failOnSerialError();
    } else {
        AdvanceSession();
    }
}

void LinkEngine::takePasswordBlock(std::span<const std::uint8_t> afterEcho) {
    const std::optional<DataBlock> block = ParseDataFrame(afterEcho);
    if (!block || block->address != kPasswordBlockAddress || state_.Step != LinkStep::Password) {
        return;
    }
    if (PasswordMatches(block->data, sessionPassword_)) {
        AdvanceSession();
        return;
    }
    ctx_.timer.stop();
    std::optional<std::string> typed;
    {
        ModalScope scope(inModal_);
        typed = ctx_.host.askPassword(sessionPassword_);
    }
    if (typed) sessionPassword_ = AcceptTypedPassword(*typed);
    if (takeDeferredError()) {
        failOnSerialError();
    } else if (typed && PasswordMatches(block->data, sessionPassword_)) {
        // Start over from the open frame; the radio is asked again and the password passes.
        ResetRetries(state_);
        SendEnd(LinkStep::Restart);
    } else {
        FinishSession(false);
    }
}

void LinkEngine::takeTestDataBlock(std::span<const std::uint8_t> afterEcho) {
    const std::optional<DataBlock> block = ParseDataFrame(afterEcho);
    if (!block || block->address != kTestDataBlockAddress) return;
    TestData data{};
    std::copy_n(block->data.begin(), data.size(), data.begin());
    if (state_.Mode == LinkMode::Read) {
        receivedTestData_ = data;
    } else {
        outgoingTestData_ = ctx_.testData;
        for (std::size_t i : kRadioOwnedTestBytes) outgoingTestData_[i] = data[i];
    }
    AdvanceSession();
}

void LinkEngine::takeDataBlock(std::span<const std::uint8_t> afterEcho) {
    const std::optional<DataBlock> block = ParseDataFrame(afterEcho);
    if (!block || block->address != state_.BlockAddress ||
        block->data.size() != static_cast<std::size_t>(state_.ReadBlockSize)) {
        return;
    }
    std::copy(block->data.begin(), block->data.end(),
              received_.block(block->address, block->data.size()).begin());
    AdvanceSession();
}

void LinkEngine::AdvanceSession() {
    ctx_.timer.stop();
    const bool transfer = state_.Mode == LinkMode::Read || state_.Mode == LinkMode::Write;
    switch (state_.Step) {
        case LinkStep::Open:
            state_.Step = LinkStep::Identity;
            if (transfer && progressOpen_) ctx_.host.SetProgressValue(0);
            SendIdentityRequest();
            break;
        case LinkStep::Identity:
            state_.Step = LinkStep::Password;
            SendPasswordRequest();
            break;
        case LinkStep::Password:
            state_.Step = LinkStep::Blocks;
            if (state_.Mode == LinkMode::Read) {
                if (ctx_.factoryMode) {
                    SendTestDataRequest();
                } else {
                    NextReadBlock();
                }
            } else if (state_.Mode == LinkMode::Write) {
                if (ctx_.factoryMode && state_.FactoryWritePending) {
                    state_.Step = LinkStep::FactoryTestRead;
                    SendTestDataRequest();
                } else {
                    NextWriteBlock();
                }
            } else {
                NextReadBlock();
            }
            break;
        case LinkStep::FactoryTestRead:
            state_.Step = LinkStep::Blocks;
            SendTestDataBlock();
            break;
        case LinkStep::Blocks:
            if (state_.Mode != LinkMode::Write) {
                NextReadBlock();
            } else if (state_.FactoryWritePending) {
                // The radio holds the test data now; the ordinary write follows.
                ctx_.testData = outgoingTestData_;
                ResetRetries(state_);
                SendOpenFrame();
            } else {
                NextWriteBlock();
            }
            break;
        case LinkStep::Restart:
            sendOpeningFrame();
            break;
        case LinkStep::Finish:
            FinishSession(true);
            break;
        case LinkStep::None:
            break;
    }
}

}  // namespace torvik
