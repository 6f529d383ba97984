// The radio link's protocol engine: reads the radio's image, writes the codeplug's image to
// it, reads its information block, and searches for working communication settings when the
// radio stays silent. It is driven entirely by the serial port's notifications and the
// 300 ms wait timer on the caller's event loop: every call sends at most one frame and
// returns. When it must ask the person at the controls it waits in a state of its own (no
// frame out, timer stopped) until the host answers through LinkAnswers; so no notification
// is ever handled inside another, and a connection can be cancelled at any moment.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "aggregate/codeplug.h"
#include "aggregate/image_codec.h"
#include "app/settings.h"
#include "factory/test_data.h"
#include "link/frames.h"
#include "link/held_messages.h"
#include "link/link_host.h"
#include "link/link_state.h"
#include "link/port_settings.h"
#include "link/serial/serial_port.h"
#include "link/serial/wait_timer.h"
#include "link/settings_search.h"
#include "platform/reporter.h"

namespace torvik {

// Everything the engine works on; all of it outlives the engine.
struct LinkContext {
    Codeplug& codeplug;
    FeatureFlags& features;
    TestData& testData;
    bool factoryMode = false;
    PortSettings& portSettings;
    SerialPort& port;
    WaitTimer& timer;
    Reporter& reporter;
    LinkHost& host;
    // Where a read or write starts moving blocks, when that lies inside its range and after
    // its first block; 0 (every real connection) moves the whole range. A session that
    // starts a few blocks before the end lets the fuzz target reach a connection's end on
    // every input instead of spending it on a thousand identical blocks.
    std::int32_t firstBlockAddress = 0;
};

class LinkEngine final : public LinkAnswers, private SerialPortListener, private WaitTimerListener {
  public:
    explicit LinkEngine(const LinkContext& context);
    ~LinkEngine() override;
    LinkEngine(const LinkEngine&) = delete;
    LinkEngine& operator=(const LinkEngine&) = delete;

    // The commands. Each returns true when a connection started; its end is reported by
    // LinkHost::sessionFinished, which may come before the call returns (a port that fails
    // at once). False when the engine is busy, the port cannot be configured, the user
    // cancelled, or (write) the codeplug cannot be encoded: nothing was sent then.
    bool beginRead();
    // A read that is one step of a bigger command (the check after a write, a backup or a
    // comparison before it): neither the save offer nor the confirmation comes, and its
    // completion is not announced; the command says how it ended.
    bool beginCheckRead();
    bool beginWrite();
    bool beginInfoRead();

    // Stops the running connection at the next frame boundary: the reply to the frame out
    // (or its time-out) is the last thing taken, then only "END" may go out, so the radio
    // leaves programming mode. A read then changes nothing; the host hears
    // SessionEnd::Cancelled. Nothing happens when idle or when the last "END" is already out.
    void cancel();
    bool cancelling() const { return cancelRequested_; }

    // LinkAnswers: the host's answers to the questions it was asked.
    void answerRetry(bool retry) override;
    void answerPassword(std::optional<std::string> typed) override;
    bool questionOpen() const { return question_ != Question::None; }

    const LinkState& state() const { return state_; }
    bool isIdle() const { return state_.Mode == LinkMode::Idle; }

    // The password typed in this run; it serves every later connection.
    const std::string& sessionPassword() const { return sessionPassword_; }
    // The OK of the password dialog opened from the menu.
    void setSessionPassword(std::string_view typed);

  private:
    // The reply the frame just sent asks for; anything else is ignored.
    enum class Awaiting {
        Nothing,
        OpenReply,
        Identity,
        PasswordBlock,
        TestDataBlock,
        TestDataAck,
        DataBlock,
        DataAck,
        EndAck,
    };

    // The question the connection waits on; each kind resumes differently on Retry.
    enum class Question {
        None,
        RetryRestart,  // a step gave up: start again from the open frame
        RetryReopen,   // as RetryRestart, the port closed meanwhile
        RetryEnd,      // the restart's "END" went unanswered: send it again
        Password,      // the radio's password differs from the one typed
    };

    // Serial and timer notifications.
    void serialBytesWaiting() override;
    void serialError(SerialError error) override;
    void waitTimerExpired() override;

    // Starting a connection.
    bool startTransfer(LinkMode mode, bool confirm = true);
    // The connection running is a check read.
    bool checkRead_ = false;
    bool configurePort();
    bool openPort(const PortSettings& settings);

    // Frames.
    void sendFrame(Bytes frame, std::size_t replyLength, Awaiting awaiting);
    void sendOpenFrame();
    void sendFactoryOpenFrame();
    void sendOpeningFrame();
    void sendIdentityRequest();
    void sendPasswordRequest();
    void sendTestDataRequest();
    void sendTestDataBlock();
    void sendReadRequest();
    void nextReadBlock();
    void sendWriteBlock();
    void nextWriteBlock();
    void sendEnd(LinkStep then);
    void updateProgress();

    // Replies.
    void takeReply(std::span<const std::uint8_t> afterEcho);
    void takeAcknowledgement(std::span<const std::uint8_t> afterEcho);
    void takeIdentity(std::span<const std::uint8_t> afterEcho);
    void takePasswordBlock(std::span<const std::uint8_t> afterEcho);
    void takeTestDataBlock(std::span<const std::uint8_t> afterEcho);
    void takeDataBlock(std::span<const std::uint8_t> afterEcho);
    void adoptIdentity(const IdentityReply& reply);
    void advanceSession();
    void finishSession(bool success) {
        finishSession(success ? SessionEnd::Success : SessionEnd::Failure);
    }

    void finishSession(SessionEnd end);

    // Time-outs.
    void giveUpOpening();
    void giveUpTransfer(bool atFailedBlock);
    void askRetry(Question kind);

    // Cancelling.
    bool stopsHere() const;
    void stopAtBoundary();

    // A port that failed under a frame.
    void failOnSerialError();

    // The settings search.
    void startSearch();
    void trySearchCandidate(bool advance);
    void takeSearchReply(std::span<const std::uint8_t> afterEcho);
    void searchTimeout();
    void searchSucceeded();
    void endSearch();

    // Messages of a connection are held and shown once it is over, when no notification can
    // reach the engine any more; outside a connection they are shown at once.
    void tell(Severity severity, int langKey);
    void showHeldMessages();

    std::int32_t blockSize() const;

    LinkContext ctx_;
    LinkState state_;
    Awaiting awaiting_ = Awaiting::Nothing;
    Bytes lastFrame_;

    // A read collects the radio's bytes here; the codeplug sees them only on success.
    RadioImage received_;
    std::optional<TestData> receivedTestData_;
    // What a write sends: a completely encoded image, nothing else.
    std::optional<EncodedImage> outgoing_;
    // The test data of a factory write: the editor's bytes with the radio's bytes 0, 1, 14
    // and 15; it becomes TestData once the radio has acknowledged it.
    TestData outgoingTestData_{};

    std::string sessionPassword_;
    std::string progressCaption_;
    bool progressOpen_ = false;
    SettingsSearch search_;

    Question question_ = Question::None;
    // The password block that made the password question; the typed answer is checked on it.
    Bytes questionedPassword_;
    HeldMessages held_;
    bool cancelRequested_ = false;
    // The radio acknowledged the open frame and has not been sent "END" since.
    bool radioInProgramming_ = false;
    // A data frame of this write went out, so the radio may hold part of the new codeplug.
    bool dataSent_ = false;
    // 0x0A answers to the frame out.
    int repeats_ = 0;
    // The settings search runs once per connection; a second give-up fails.
    bool searched_ = false;
};

}  // namespace torvik
