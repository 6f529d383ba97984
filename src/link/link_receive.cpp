// The engine's receive side: recognising the reply to the frame just sent (after the
// cable's echo) and moving the connection on.
#include <algorithm>

#include "codeplug/identity.h"
#include "link/link_engine.h"
#include "link/link_messages.h"
#include "link/password.h"

namespace torvik {
namespace {

// Test-data bytes that always come from the radio on a factory write.
constexpr std::size_t kRadioOwnedTestBytes[] = {0, 1, 14, 15};

}  // namespace

void LinkEngine::serialBytesWaiting() {
    // Bytes count only as the reply to a frame out; while a question is open they stay
    // waiting, and the next frame discards them.
    if (isIdle() || awaiting_ == Awaiting::Nothing) return;
    const Bytes reply = ctx_.port.takeAll();
    const auto echo = static_cast<std::size_t>(state_.EchoLength);
    if (reply.size() < echo) return;
    if (stopsHere()) {
        // The frame out has had its answer: the connection stops here.
        stopAtBoundary();
        return;
    }
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
    if (question_ != Question::None) {
        // The question is void now: whatever the answer, the port cannot go on.
        question_ = Question::None;
        ctx_.host.withdrawQuestion();
    } else if (awaiting_ == Awaiting::Nothing) {
        // Before the first frame; the frame's write fails and reports it.
        return;
    }
    failOnSerialError();
}

void LinkEngine::takeReply(std::span<const std::uint8_t> afterEcho) {
    switch (awaiting_) {
        case Awaiting::OpenReply:
            if (IsOpenReply(afterEcho, ModelId)) advanceSession();
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
        advanceSession();
    } else if (afterEcho[0] == kRepeat && awaiting_ != Awaiting::EndAck) {
        // The radio asks for the same data frame again; that costs no retry, but only so
        // many repeats are granted to one frame.
        ctx_.timer.stop();
        if (++repeats_ > kRepeatsPerFrame) {
            const auto address = static_cast<std::uint16_t>(
                lastFrame_.size() >= 3 ? (lastFrame_[1] << 8) | lastFrame_[2] : 0);
            held_.show(Severity::Error,
                       RepeatLimitText(address, kRepeatsPerFrame, ctx_.reporter.language()));
            finishSession(false);
            return;
        }
        // The same bytes again, so the count goes on (sendFrame resets it for a new frame).
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
    const TransferMode mode =
        state_.Mode == LinkMode::Write ? TransferMode::Write : TransferMode::Read;
    if (CheckIdentity(mode, ctx_.codeplug.identity, ctx_.codeplug.band.code(), held_)) {
        advanceSession();
    } else {
        finishSession(false);
    }
}

void LinkEngine::takePasswordBlock(std::span<const std::uint8_t> afterEcho) {
    const std::optional<DataBlock> block = ParseDataFrame(afterEcho);
    if (!block || block->address != kPasswordBlockAddress || state_.Step != LinkStep::Password) {
        return;
    }
    if (PasswordMatches(block->data, sessionPassword_)) {
        advanceSession();
        return;
    }
    ctx_.timer.stop();
    awaiting_ = Awaiting::Nothing;
    questionedPassword_ = block->data;
    question_ = Question::Password;
    ctx_.host.askPassword(sessionPassword_, *this);
}

void LinkEngine::answerPassword(std::optional<std::string> typed) {
    if (question_ != Question::Password) return;
    question_ = Question::None;
    if (typed) sessionPassword_ = AcceptTypedPassword(*typed);
    if (typed && PasswordMatches(questionedPassword_, sessionPassword_)) {
        // Start over from the open frame; the radio is asked again and the password passes.
        ResetRetries(state_);
        sendEnd(LinkStep::Restart);
    } else {
        finishSession(false);
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
    advanceSession();
}

void LinkEngine::takeDataBlock(std::span<const std::uint8_t> afterEcho) {
    const std::optional<DataBlock> block = ParseDataFrame(afterEcho);
    if (!block || block->address != state_.BlockAddress ||
        block->data.size() != static_cast<std::size_t>(state_.ReadBlockSize)) {
        return;
    }
    std::copy(block->data.begin(), block->data.end(),
              received_.block(block->address, block->data.size()).begin());
    advanceSession();
}

void LinkEngine::advanceSession() {
    ctx_.timer.stop();
    const bool transfer = state_.Mode == LinkMode::Read || state_.Mode == LinkMode::Write;
    switch (state_.Step) {
        case LinkStep::Open:
            radioInProgramming_ = true;
            state_.Step = LinkStep::Identity;
            if (transfer && progressOpen_) ctx_.host.setProgressValue(0);
            sendIdentityRequest();
            break;
        case LinkStep::Identity:
            state_.Step = LinkStep::Password;
            sendPasswordRequest();
            break;
        case LinkStep::Password:
            state_.Step = LinkStep::Blocks;
            if (state_.Mode == LinkMode::Read) {
                if (ctx_.factoryMode) {
                    sendTestDataRequest();
                } else {
                    nextReadBlock();
                }
            } else if (state_.Mode == LinkMode::Write) {
                if (ctx_.factoryMode && state_.FactoryWritePending) {
                    state_.Step = LinkStep::FactoryTestRead;
                    sendTestDataRequest();
                } else {
                    nextWriteBlock();
                }
            } else {
                nextReadBlock();
            }
            break;
        case LinkStep::FactoryTestRead:
            state_.Step = LinkStep::Blocks;
            sendTestDataBlock();
            break;
        case LinkStep::Blocks:
            if (state_.Mode != LinkMode::Write) {
                nextReadBlock();
            } else if (state_.FactoryWritePending) {
                // The radio holds the test data now; the ordinary write follows.
                ctx_.testData = outgoingTestData_;
                ResetRetries(state_);
                sendOpenFrame();
            } else {
                nextWriteBlock();
            }
            break;
        case LinkStep::Restart:
            sendOpeningFrame();
            break;
        case LinkStep::Finish:
            finishSession(true);
            break;
        case LinkStep::Stopping:
            finishSession(SessionEnd::Cancelled);
            break;
        case LinkStep::None:
            break;
    }
}

}  // namespace torvik
