// The radio link's protocol engine: reads the radio's image, writes the codeplug's image to
// it, reads its information block, and searches for working communication settings when the
// radio stays silent. It is driven entirely by the serial port's notifications and the
// 300 ms wait timer on the caller's event loop: every call sends at most one frame and
// returns.
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
};

class LinkEngine final : private SerialPortListener, private WaitTimerListener {
  public:
    explicit LinkEngine(const LinkContext& context);
    ~LinkEngine() override;
    LinkEngine(const LinkEngine&) = delete;
    LinkEngine& operator=(const LinkEngine&) = delete;

    // The commands. Each returns true when a connection started; its end is reported by
    // LinkHost::sessionFinished, which may come before the call returns (a port that fails
    // at once). False when the engine is busy, the port cannot be configured, the user
    // cancelled, or (write) the codeplug cannot be encoded: nothing was sent then.
    bool BeginRead();
    bool BeginWrite();
    bool BeginInfoRead();

    const LinkState& state() const { return state_; }
    bool isIdle() const { return state_.Mode == LinkMode::Idle; }

    // The password typed in this run; it serves every later connection.
    const std::string& SessionPassword() const { return sessionPassword_; }
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

    // Serial and timer notifications.
    void serialBytesWaiting() override;
    void serialError(SerialError error) override;
    void waitTimerExpired() override;

    // Starting a connection.
    bool startTransfer(LinkMode mode);
    bool ConfigurePort();
    bool openPort(const PortSettings& settings);

    // Frames.
    void sendFrame(Bytes frame, std::size_t replyLength, Awaiting awaiting);
    void SendOpenFrame();
    void SendFactoryOpenFrame();
    void sendOpeningFrame();
    void SendIdentityRequest();
    void SendPasswordRequest();
    void SendTestDataRequest();
    void SendTestDataBlock();
    void SendReadRequest();
    void NextReadBlock();
    void SendWriteBlock();
    void NextWriteBlock();
    void SendEnd(LinkStep then);
    void UpdateProgress();

    // Replies.
    void takeReply(std::span<const std::uint8_t> afterEcho);
    void takeAcknowledgement(std::span<const std::uint8_t> afterEcho);
    void takeIdentity(std::span<const std::uint8_t> afterEcho);
    void takePasswordBlock(std::span<const std::uint8_t> afterEcho);
    void takeTestDataBlock(std::span<const std::uint8_t> afterEcho);
    void takeDataBlock(std::span<const std::uint8_t> afterEcho);
    void adoptIdentity(const IdentityReply& reply);
    void AdvanceSession();
    void FinishSession(bool success);

    // Time-outs.
    void giveUpOpening();
    void giveUpTransfer(bool atFailedBlock);
    void askRetryWithPortClosed();
    bool askRetry();

    // A port that failed under a frame.
    void failOnSerialError();

    // The settings search.
    void StartSearch();
    void trySearchCandidate(bool advance);
    void takeSearchReply(std::span<const std::uint8_t> afterEcho);
    void searchTimeout();
    void searchSucceeded();
    void EndSearch();

    // Messages and questions; serial errors that come in meanwhile are held back.
    void tell(Severity severity, int langKey);
    Answer askUser(Severity severity, std::string_view text, Buttons buttons);
    bool takeDeferredError();

    // Marks the time a message box or dialog is open: the event loop runs inside it, so
    // notifications can arrive that the engine must not act on until it is back.
    class ModalScope {
      public:
        explicit ModalScope(bool& flag) : flag_(flag), outer_(flag) { flag_ = true; }
        ~ModalScope() { flag_ = outer_; }
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;

      private:
        bool& flag_;
        bool outer_;
    };

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

    bool inModal_ = false;
    bool deferredError_ = false;
};

}  // namespace torvik
