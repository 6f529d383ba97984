// The engine's time-outs: a frame without a good reply within 300 ms is sent again while it
// has sends left; then the step gives up by asking the user, searching for other settings or
// failing. Also the answers to those questions, and stopping a connection on request.
#include "link/link_engine.h"
#include "link/link_texts.h"

namespace torvik {

void LinkEngine::waitTimerExpired() {
    if (isIdle() || awaiting_ == Awaiting::Nothing) return;
    ctx_.timer.stop();
    if (stopsHere()) {
        stopAtBoundary();
        return;
    }
    if (state_.Mode == LinkMode::Search) {
        searchTimeout();
        return;
    }
    switch (state_.Step) {
        case LinkStep::Open:
            if (--state_.ProgramRetries >= 1) {
                sendOpeningFrame();
            } else {
                giveUpOpening();
            }
            break;
        case LinkStep::Identity:
            if (--state_.IdentityRetries >= 1) {
                sendIdentityRequest();
            } else {
                giveUpOpening();
            }
            break;
        case LinkStep::Password:
            if (--state_.PasswordRetries >= 1) {
                sendPasswordRequest();
            } else {
                giveUpTransfer(false);
            }
            break;
        case LinkStep::Blocks: {
            // The test-data frames go once: without their answer the connection has failed.
            if (awaiting_ == Awaiting::TestDataBlock || awaiting_ == Awaiting::TestDataAck) {
                finishSession(false);
                break;
            }
            const std::int32_t index = (state_.BlockAddress - state_.StartAddress) / blockSize();
            if (index < 0 || static_cast<std::size_t>(index) >= state_.RetryTable.size()) {
                finishSession(false);
                break;
            }
            if (--state_.RetryTable[static_cast<std::size_t>(index)] >= 1) {
                if (state_.Mode == LinkMode::Write) {
                    sendWriteBlock();
                } else {
                    sendReadRequest();
                }
            } else {
                giveUpTransfer(true);
            }
            break;
        }
        case LinkStep::FactoryTestRead:
            ctx_.port.close();
            askRetry(Question::RetryReopen);
            break;
        case LinkStep::Restart:
            askRetry(Question::RetryEnd);
            break;
        case LinkStep::Finish:
            // A radio that does not acknowledge the closing frame has still got everything.
            finishSession(true);
            break;
        case LinkStep::Stopping:
            finishSession(SessionEnd::Cancelled);
            break;
        case LinkStep::None:
            break;
    }
}

// The open frame or the identity request went unanswered three times. The search runs once
// per connection: a radio that answers only while it runs cannot keep the connection going.
void LinkEngine::giveUpOpening() {
    if (state_.Mode == LinkMode::InfoRead || (searched_ && !ctx_.factoryMode)) {
        finishSession(false);
    } else if (ctx_.factoryMode) {
        ctx_.port.close();
        askRetry(Question::RetryReopen);
    } else {
        searched_ = true;
        startSearch();
    }
}

// The password block or a data block went unanswered three times. On Retry the connection
// starts again from the open frame and goes on AT the failed block, so no block is skipped.
void LinkEngine::giveUpTransfer(bool atFailedBlock) {
    if (state_.Mode == LinkMode::InfoRead) {
        finishSession(false);
        return;
    }
    // The step after the password moves to the next block before sending; stepping back one
    // block makes that the failed one.
    if (atFailedBlock) state_.BlockAddress -= blockSize();
    askRetry(Question::RetryRestart);
}

// Asks question 2003 and waits, sending nothing, until the host answers.
void LinkEngine::askRetry(Question kind) {
    ctx_.timer.stop();
    awaiting_ = Awaiting::Nothing;
    question_ = kind;
    ctx_.host.askRetry(ctx_.reporter.langText(link_text::kRetryQuestion), *this);
}

void LinkEngine::answerRetry(bool retry) {
    const Question kind = question_;
    if (kind == Question::None || kind == Question::Password) return;
    question_ = Question::None;
    if (!retry) {
        finishSession(false);
        return;
    }
    if (kind == Question::RetryReopen && !ctx_.port.isOpen() && !openPort(ctx_.portSettings)) {
        failOnSerialError();
        return;
    }
    if (kind != Question::RetryEnd) ResetRetries(state_);
    sendEnd(LinkStep::Restart);
}

// ---- cancelling -----------------------------------------------------------------------

void LinkEngine::cancel() {
    if (isIdle() || cancelRequested_ || state_.Step == LinkStep::Finish) return;
    cancelRequested_ = true;
    if (question_ != Question::None) {
        question_ = Question::None;
        ctx_.host.withdrawQuestion();
        stopAtBoundary();
    } else if (awaiting_ == Awaiting::Nothing) {
        stopAtBoundary();
    }
    // Otherwise a frame is out: its reply or its time-out is the boundary.
}

// True when a cancel waits for the frame just answered (or timed out) to be the last.
bool LinkEngine::stopsHere() const {
    return cancelRequested_ && state_.Step != LinkStep::Stopping && state_.Step != LinkStep::Finish;
}

// Nothing more goes out but "END", and only when the radio is in programming mode.
void LinkEngine::stopAtBoundary() {
    ctx_.timer.stop();
    if (state_.Mode == LinkMode::Search) state_.Mode = search_.savedMode();
    if (radioInProgramming_ && ctx_.port.isOpen()) {
        sendEnd(LinkStep::Stopping);
        return;
    }
    finishSession(SessionEnd::Cancelled);
}

}  // namespace torvik
