// The link's frame receiver: a read, write or information read against a radio whose every
// answer the input may replace. The first input byte sets the session up: the command (bits
// 0-1), factory mode (bit 2), a radio password "1234" (bit 3) and whether the person at the
// controls then types it right (bit 4). For each frame the engine sends, the next input byte
// chooses what comes back: the true answer, the echo followed by bytes from the input, bytes
// from the input alone, silence, a serial error, or the true answer with the person stopping
// the connection. Once the input is used up the radio answers truly, so every session runs
// to its end; retry questions get Retry a few times.
// Reads and writes start three blocks before the end of their range: every block is taken
// by the same code, so the blocks skipped would only cost time, and each input reaches the
// end of a connection (its last acknowledgement, the adoption of what was read).
#include <algorithm>

#include "fuzz_targets.h"
#include "link/link_engine.h"
#include "platform/silent_reporter.h"
#include "support/link/fake_serial_port.h"
#include "support/link/fake_timer.h"
#include "support/link/recording_link_host.h"
#include "support/link/scripted_radio.h"

namespace torvik::fuzz {
namespace {

using test::Bytes;

class InputCursor {
  public:
    InputCursor(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    std::uint8_t next() { return empty() ? 0 : data_[at_++]; }
    Bytes take(std::size_t n) {
        n = std::min(n, size_ - at_);
        Bytes bytes(data_ + at_, data_ + at_ + n);
        at_ += n;
        return bytes;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// More than a whole read or write with every frame repeated a few times.
constexpr int kStepLimit = 20000;
constexpr int kRetries = 3;
constexpr std::int32_t kFirstBlockAddress = 0x3FD0;

}  // namespace

int FuzzLink(const std::uint8_t* data, std::size_t size) {
    InputCursor input(data, size);
    const std::uint8_t setup = input.next();

    test::FakeSerialPort port;
    test::FakeTimer timer;
    test::ScriptedRadio radio(port);
    test::RecordingLinkHost host;
    SilentReporter reporter(Answer::Ok);
    Codeplug& codeplug = BlankCodeplug();
    FeatureFlags features;
    TestData testData{};
    PortSettings settings{PortId::Number(1), 0, 1};
    const bool factoryMode = (setup & 0x04) != 0;
    if (setup & 0x08) {
        radio.setPassword("1234");
        host.passwords.push_back(setup & 0x10 ? "1234" : "9");
    }
    bool stopAsked = false;
    LinkEngine engine(LinkContext{codeplug, features, testData, factoryMode, settings, port, timer,
                                  reporter, host, kFirstBlockAddress});

    port.onWrite = [&](const Bytes& frame) {
        if (input.empty()) {
            radio.hear(frame);
            return;
        }
        switch (input.next() % 6) {
            case 0:
                radio.hear(frame);
                break;
            case 1: {
                Bytes reply = frame;
                const Bytes tail = input.take(input.next());
                reply.insert(reply.end(), tail.begin(), tail.end());
                port.arrive(reply);
                break;
            }
            case 2:
                port.arrive(input.take(input.next()));
                break;
            case 3:
                break;  // silence
            case 4:
                port.reportError();
                break;
            default:
                radio.hear(frame);
                stopAsked = true;
                break;
        }
    };

    bool started = false;
    switch (setup & 0x03) {
        case 1:
            started = engine.beginWrite();
            break;
        case 2:
            started = engine.beginInfoRead();
            break;
        default:
            started = engine.beginRead();
            break;
    }
    if (!started) return 0;

    int retries = 0;
    for (int step = 0; step < kStepLimit && !engine.isIdle(); ++step) {
        if (port.deliverNext()) {
            if (stopAsked) {
                stopAsked = false;
                engine.cancel();
            }
            continue;
        }
        if (timer.expire()) continue;
        LinkAnswers* to = host.answers;
        if (!to) break;  // nothing more can happen
        const std::string question = host.openQuestion;
        host.answers = nullptr;
        host.openQuestion.clear();
        if (question == "retry") {
            to->answerRetry(retries++ < kRetries);
        } else {
            to->answerPassword(host.nextPassword());
        }
    }
    if (!engine.isIdle()) engine.cancel();
    return 0;
}

}  // namespace torvik::fuzz
