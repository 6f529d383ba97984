// The engine's commands, port handling, frame senders and the end of a connection.
#include "link/link_engine.h"

#include <algorithm>

#include "link/link_texts.h"
#include "link/password.h"
#include "platform/built_in_texts.h"

namespace torvik {
namespace {

constexpr std::int32_t kLastBlockAddress = 0x3FF0;
constexpr std::size_t kAckReplySize = 1;
constexpr std::size_t kInfoEnd = 0x0100;

}  // namespace

LinkEngine::LinkEngine(const LinkContext& context) : ctx_(context), held_(context.reporter) {
    ctx_.port.setListener(this);
    ctx_.timer.setListener(this);
}

LinkEngine::~LinkEngine() {
    if (question_ != Question::None) ctx_.host.withdrawQuestion();
    ctx_.timer.stop();
    ctx_.port.setListener(nullptr);
    ctx_.timer.setListener(nullptr);
}

void LinkEngine::setSessionPassword(std::string_view typed) {
    sessionPassword_ = AcceptTypedPassword(typed);
}

std::int32_t LinkEngine::blockSize() const {
    return state_.Mode == LinkMode::Write ? state_.WriteBlockSize : state_.ReadBlockSize;
}

// ---- messages -------------------------------------------------------------------------

void LinkEngine::tell(Severity severity, int langKey) {
    held_.show(severity, ctx_.reporter.langText(langKey));
}

void LinkEngine::showHeldMessages() {
    held_.flush();
}

// ---- commands -------------------------------------------------------------------------

bool LinkEngine::beginRead() {
    if (!isIdle()) return false;
    ctx_.host.offerSaveBeforeRead();
    return startTransfer(LinkMode::Read);
}

bool LinkEngine::beginCheckRead() {
    return isIdle() && startTransfer(LinkMode::Read, false);
}

bool LinkEngine::beginWrite() {
    return isIdle() && startTransfer(LinkMode::Write);
}

bool LinkEngine::beginInfoRead() {
    if (!isIdle()) return false;
    state_.Mode = LinkMode::InfoRead;
    if (!configurePort()) {
        state_.Mode = LinkMode::Idle;
        showHeldMessages();
        return false;
    }
    PrefillImage(received_);
    sendOpenFrame();
    return true;
}

bool LinkEngine::startTransfer(LinkMode mode, bool confirm) {
    state_.Mode = mode;
    checkRead_ = mode == LinkMode::Read && !confirm;
    if (!configurePort()) {
        state_.Mode = LinkMode::Idle;
        showHeldMessages();
        return false;
    }
    // The questions and messages here run before any frame is out, so the engine takes no
    // notice of the port meanwhile; a port that failed shows at the first frame.
    const Language language = ctx_.reporter.language();
    const bool read = mode == LinkMode::Read;
    bool go =
        !confirm ||
        ctx_.reporter.ask(Severity::Question,
                          BuiltInText(read ? TextId::ConfirmRead : TextId::ConfirmWrite, language),
                          Buttons::OkCancel) == Answer::Ok;
    if (go && !read) {
        outgoing_ = EncodeImage(ctx_.codeplug, ctx_.reporter);
        go = outgoing_.has_value();
    }
    if (!go) {
        outgoing_.reset();
        if (ctx_.port.isOpen()) ctx_.port.close();
        state_.Mode = LinkMode::Idle;
        return false;
    }
    if (read) PrefillImage(received_);
    receivedTestData_.reset();
    progressCaption_ = std::string(
        TransferTitle(read ? TransferDirection::Read : TransferDirection::Write, language));
    ctx_.host.openProgress(progressCaption_);
    progressOpen_ = true;
    if (!read && ctx_.factoryMode) {
        sendFactoryOpenFrame();
    } else {
        sendOpenFrame();
    }
    return true;
}

bool LinkEngine::configurePort() {
    ConnectionBounds bounds;
    if (!BoundsFor(state_.Mode, bounds)) return false;
    if (ctx_.firstBlockAddress > bounds.StartAddress &&
        ctx_.firstBlockAddress <= bounds.EndAddress) {
        bounds.StartAddress = ctx_.firstBlockAddress;
    }
    state_.StartAddress = bounds.StartAddress;
    state_.EndAddress = bounds.EndAddress;
    state_.BlockAddress = bounds.StartAddress - blockSize();

    ctx_.timer.stop();
    state_.Step = LinkStep::None;
    awaiting_ = Awaiting::Nothing;
    state_.FactoryWritePending = false;
    question_ = Question::None;
    held_.clear();
    cancelRequested_ = false;
    radioInProgramming_ = false;
    dataSent_ = false;
    repeats_ = 0;
    searched_ = false;
    if (ctx_.port.isOpen()) ctx_.port.close();
    ResetRetries(state_);
    if (!openPort(ctx_.portSettings)) {
        held_.showDetailed(Severity::Error, ctx_.reporter.langText(link_text::kPortError),
                           ctx_.port.openFailure());
        return false;
    }
    state_.LastPercent = 0;
    return true;
}

bool LinkEngine::openPort(const PortSettings& settings) {
    if (ctx_.port.isOpen()) ctx_.port.close();
    const std::optional<LineSettings> line = LineSettingsFor(settings);
    if (!line || !ctx_.port.open(settings.port, *line)) return false;
    ctx_.port.setReceiveThreshold(1);
    return true;
}

// ---- frames ---------------------------------------------------------------------------

void LinkEngine::sendFrame(Bytes frame, std::size_t replyLength, Awaiting awaiting) {
    if (frame != lastFrame_) repeats_ = 0;
    if (awaiting == Awaiting::DataAck || awaiting == Awaiting::TestDataAck) dataSent_ = true;
    state_.EchoLength = static_cast<std::int32_t>(frame.size());
    awaiting_ = awaiting;
    lastFrame_ = std::move(frame);
    ctx_.timer.start(kWaitTimeMs);
    ctx_.port.setReceiveThreshold(lastFrame_.size() + replyLength);
    // Late bytes of an earlier frame must never be taken for the reply to this one.
    ctx_.port.clearBuffers();
    if (!ctx_.port.isOpen() || !ctx_.port.write(lastFrame_)) failOnSerialError();
}

void LinkEngine::sendOpenFrame() {
    if (!ctx_.port.isOpen() && !openPort(ctx_.portSettings)) {
        failOnSerialError();
        return;
    }
    state_.LastPercent = 0;
    state_.Step = LinkStep::Open;
    state_.FactoryWritePending = false;
    sendFrame(OpenFrame(), kOpenReplySize, Awaiting::OpenReply);
}

void LinkEngine::sendFactoryOpenFrame() {
    if (!ctx_.port.isOpen() && !openPort(ctx_.portSettings)) {
        failOnSerialError();
        return;
    }
    state_.LastPercent = 0;
    state_.Step = LinkStep::Open;
    state_.FactoryWritePending = true;
    sendFrame(FactoryOpenFrame(), kOpenReplySize, Awaiting::OpenReply);
}

// A factory write whose test data is not in the radio yet opens with "FALTORY" again, so a
// repeat or a restart never skips the test data.
void LinkEngine::sendOpeningFrame() {
    if (state_.FactoryWritePending) {
        sendFactoryOpenFrame();
    } else {
        sendOpenFrame();
    }
}

void LinkEngine::sendIdentityRequest() {
    sendFrame(IdentityRequestFrame(), kIdentityBlockSize, Awaiting::Identity);
}

void LinkEngine::sendPasswordRequest() {
    const auto length = static_cast<std::uint8_t>(state_.ReadBlockSize);
    sendFrame(ReadRequestFrame(kPasswordBlockAddress, length), length + kDataFrameOverhead,
              Awaiting::PasswordBlock);
}

void LinkEngine::sendTestDataRequest() {
    sendFrame(ReadRequestFrame(kTestDataBlockAddress, kBlockSize), kBlockSize + kDataFrameOverhead,
              Awaiting::TestDataBlock);
}

void LinkEngine::sendTestDataBlock() {
    sendFrame(DataFrame(kTestDataBlockAddress, outgoingTestData_), kAckReplySize,
              Awaiting::TestDataAck);
}

void LinkEngine::sendReadRequest() {
    if (state_.BlockAddress > kLastBlockAddress) {
        sendEnd(LinkStep::Finish);
        return;
    }
    const auto length = static_cast<std::uint8_t>(state_.ReadBlockSize);
    sendFrame(ReadRequestFrame(static_cast<std::uint16_t>(state_.BlockAddress), length),
              length + kDataFrameOverhead, Awaiting::DataBlock);
}

void LinkEngine::nextReadBlock() {
    state_.BlockAddress += state_.ReadBlockSize;
    if (state_.BlockAddress > state_.EndAddress) {
        sendEnd(LinkStep::Finish);
        return;
    }
    if (state_.Mode != LinkMode::InfoRead) updateProgress();
    sendReadRequest();
}

void LinkEngine::sendWriteBlock() {
    if (!outgoing_) {
        finishSession(false);
        return;
    }
    if (state_.BlockAddress > kLastBlockAddress) {
        sendEnd(LinkStep::Finish);
        return;
    }
    const auto address = static_cast<std::uint16_t>(state_.BlockAddress);
    sendFrame(DataFrame(address, outgoing_->image().block(address, state_.WriteBlockSize)),
              kAckReplySize, Awaiting::DataAck);
}

void LinkEngine::nextWriteBlock() {
    state_.BlockAddress += state_.WriteBlockSize;
    updateProgress();
    sendWriteBlock();
}

void LinkEngine::sendEnd(LinkStep then) {
    state_.Step = then;
    radioInProgramming_ = false;
    sendFrame(EndFrame(), kAckReplySize, Awaiting::EndAck);
}

void LinkEngine::updateProgress() {
    const std::int16_t percent =
        ProgressPercent(state_.BlockAddress, state_.StartAddress, state_.EndAddress, blockSize());
    if (percent <= state_.LastPercent) return;
    state_.LastPercent = percent;
    if (progressOpen_) ctx_.host.setProgressValue(percent);
}

// ---- the end --------------------------------------------------------------------------

void LinkEngine::failOnSerialError() {
    ctx_.timer.stop();
    ctx_.port.close();
    if (state_.Mode == LinkMode::Search) {
        // A candidate that fails is just a candidate that does not work.
        trySearchCandidate(true);
        return;
    }
    if (isIdle()) return;
    tell(Severity::Error, link_text::kPortError);
    finishSession(cancelRequested_ ? SessionEnd::Cancelled : SessionEnd::Failure);
}

void LinkEngine::finishSession(SessionEnd end) {
    const LinkMode mode = state_.Mode == LinkMode::Search ? search_.savedMode() : state_.Mode;
    if (question_ != Question::None) {
        question_ = Question::None;
        ctx_.host.withdrawQuestion();
    }
    if (progressOpen_) {
        progressOpen_ = false;
        ctx_.host.closeProgress();
    }
    ctx_.timer.stop();
    if (ctx_.port.isOpen()) ctx_.port.close();
    state_.Step = LinkStep::None;
    state_.Mode = LinkMode::Idle;
    awaiting_ = Awaiting::Nothing;
    outgoing_.reset();
    cancelRequested_ = false;
    radioInProgramming_ = false;
    // From here on no notification reaches the engine: messages may take their time.
    showHeldMessages();

    const Language language = ctx_.reporter.language();
    if (end == SessionEnd::Cancelled) {
        const TextId message = mode == LinkMode::Read    ? TextId::ReadCancelled
                               : mode == LinkMode::Write ? (dataSent_ ? TextId::WriteCancelled
                                                                      : TextId::WriteCancelledEarly)
                                                         : TextId::InfoReadCancelled;
        ctx_.reporter.show(
            mode == LinkMode::Write && dataSent_ ? Severity::Warning : Severity::Information,
            BuiltInText(message, language));
    } else if (end == SessionEnd::Failure) {
        const int key = mode == LinkMode::Read    ? link_text::kReadFailed
                        : mode == LinkMode::Write ? link_text::kWriteFailed
                                                  : link_text::kInfoReadFailed;
        ctx_.reporter.show(Severity::Error, ctx_.reporter.langText(key));
    } else if (mode == LinkMode::Read) {
        const auto radio =
            received_.block(RadioImage::kTestDataEnd, RadioImage::kSize - RadioImage::kTestDataEnd);
        std::copy(radio.begin(), radio.end(),
                  ctx_.codeplug.image.block(RadioImage::kTestDataEnd, radio.size()).begin());
        ctx_.codeplug.band.setCode(ctx_.codeplug.identity.RadioBandCode);
        DecodeImage(ctx_.codeplug);
        if (receivedTestData_) ctx_.testData = *receivedTestData_;
        ctx_.host.readCompleted();
        // A check read is one step of a bigger command, which says how it ended.
        if (!checkRead_) {
            ctx_.reporter.show(Severity::Information, ctx_.reporter.langText(link_text::kReadDone));
        }
    } else if (mode == LinkMode::Write) {
        ctx_.reporter.show(Severity::Information, ctx_.reporter.langText(link_text::kWriteDone));
    } else if (mode == LinkMode::InfoRead) {
        const std::size_t length = kInfoEnd - RadioImage::kTestDataEnd;
        const auto info = received_.block(RadioImage::kTestDataEnd, length);
        std::copy(info.begin(), info.end(),
                  ctx_.codeplug.image.block(RadioImage::kTestDataEnd, length).begin());
        ctx_.host.infoReadCompleted();
    }
    receivedTestData_.reset();
    ctx_.host.sessionFinished(mode, end);
}

}  // namespace torvik
