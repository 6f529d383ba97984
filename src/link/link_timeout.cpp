// The engine's time-outs: a frame without a good reply within 300 ms is sent again while it
// has sends left; then the step gives up by asking the user, searching for other settings or
// failing.
#include "link/link_engine.h"
#include "link/link_texts.h"

namespace torvik {

void LinkEngine::waitTimerExpired() {
    if (inModal_ || isIdle()) return;
    ctx_.timer.stop();
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
                SendIdentityRequest();
            } else {
                giveUpOpening();
            }
            break;
        case LinkStep::Password:
            if (--state_.PasswordRetries >= 1) {
                SendPasswordRequest();
            } else {
                giveUpTransfer(false);
            }
            break;
        case LinkStep::Blocks: {
            // The test-data frames go once: without their answer the connection has failed.
            if (awaiting_ == Awaiting::TestDataBlock || awaiting_ == Awaiting::TestDataAck) {
                FinishSession(false);
                break;
            }
            const std::int32_t index = (state_.BlockAddress - state_.StartAddress) / blockSize();
            if (index < 0 || static_cast<std::size_t>(index) >= state_.RetryTable.size()) {
                FinishSession(false);
                break;
            }
            if (--state_.RetryTable[static_cast<std::size_t>(index)] >= 1) {
                if (state_.Mode == LinkMode::Write) {
                    SendWriteBlock();
                } else {
                    SendReadRequest();
                }
            } else {
                giveUpTransfer(true);
            }
            break;
        }
        case LinkStep::FactoryTestRead:
            ctx_.port.close();
            askRetryWithPortClosed();
            break;
        case LinkStep::Restart:
            if (askRetry()) SendEnd(LinkStep::Restart);
            break;
        case LinkStep::Finish:
            // A radio that does not acknowledge the closing frame has still got everything.
            FinishSession(true);
            break;
        case LinkStep::None:
            break;
    }
}

// The open frame or the identity request went unanswered three times.
void LinkEngine::giveUpOpening() {
    if (state_.Mode == LinkMode::InfoRead) {
        FinishSession(false);
    } else if (ctx_.factoryMode) {
        ctx_.port.close();
        askRetryWithPortClosed();
    } else {
        StartSearch();
    }
}

// The password block or a data block went unanswered three times. On Retry the connection
// starts again from the open frame and goes on AT the failed block, so no block is skipped.
void LinkEngine::giveUpTransfer(bool atFailedBlock) {
    if (state_.Mode == LinkMode::InfoRead) {
        FinishSession(false);
        return;
    }
    if (!askRetry()) return;
    // The step after the password moves to the next block before sending; stepping back one
    // block makes that the failed one.
    if (atFailedBlock) state_.BlockAddress -= blockSize();
    ResetRetries(state_);
    SendEnd(LinkStep::Restart);
}

void LinkEngine::askRetryWithPortClosed() {
    if (!askRetry()) return;
    if (!openPort(ctx_.portSettings)) {
        failOnSerialError();
        return;
    }
    ResetRetries(state_);
    SendEnd(LinkStep::Restart);
}

// Asks question 2003. True on Retry; otherwise the connection has been ended.
bool LinkEngine::askRetry() {
    const Answer answer = askUser(
        Severity::Warning, ctx_.reporter.langText(link_text::kRetryQuestion), Buttons::RetryCancel);
    if (takeDeferredError()) {
        failOnSerialError();
        return false;
    }
    if (answer != Answer::Retry) {
        FinishSession(false);
        return false;
    }
    return true;
}

}  // namespace torvik
