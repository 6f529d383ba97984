// The link's frame receiver: a read, write or information read (first byte) against a radio
// whose every answer the input may replace. For each frame the engine sends, the next input
// byte chooses what comes back: the true answer, the echo followed by bytes from the input,
// bytes from the input alone, silence, or a serial error. Once the input is used up the radio
// answers truly, so every session runs to its end; retry questions get Retry a few times.
#include <algorithm>
#include <memory>

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

}  // namespace

int FuzzLink(const std::uint8_t* data, std::size_t size) {
    InputCursor input(data, size);
    const std::uint8_t setup = input.next();

    test::FakeSerialPort port;
    test::FakeTimer timer;
    test::ScriptedRadio radio(port);
    test::RecordingLinkHost host;
    SilentReporter reporter(Answer::Ok);
    auto codeplug = std::make_unique<Codeplug>();
    FeatureFlags features;
    TestData testData{};
    PortSettings settings{PortId::Number(1), 0, 1};
    const bool factoryMode = (setup & 0x04) != 0;
    LinkEngine engine(LinkContext{*codeplug, features, testData, factoryMode, settings, port, timer,
                                  reporter, host});

    port.onWrite = [&](const Bytes& frame) {
        if (input.empty()) {
            radio.hear(frame);
            return;
        }
        switch (input.next() % 5) {
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
            default:
                port.reportError();
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
        if (port.deliverNext()) continue;
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
