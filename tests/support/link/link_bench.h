// Everything an engine test needs on one bench: the engine with its codeplug, flags and
// settings, a fake port with a scripted radio, the manual-clock timer, a recording reporter
// and host; run() plays the event loop.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "link/link_engine.h"
#include "support/link/fake_serial_port.h"
#include "support/link/fake_timer.h"
#include "support/link/recording_link_host.h"
#include "support/link/scripted_radio.h"
#include "support/recording_reporter.h"

namespace torvik::test {

// A frame as a short name: "PROGRAM", "FALTORY", "END", "ID", "R0040", "W0100".
inline QString Describe(const Bytes& frame) {
    if (FrameIs(frame, "PROGRAM") || FrameIs(frame, "FALTORY") || FrameIs(frame, "END")) {
        return QString::fromLatin1(reinterpret_cast<const char*>(frame.data()),
                                   static_cast<int>(frame.size()));
    }
    if (frame.size() == 1 && frame[0] == kIdentityRequest) return "ID";
    if (frame.size() >= 4 && (frame[0] == kReadTag || frame[0] == kDataFrameTag)) {
        return QString("%1%2")
            .arg(QChar(frame[0]))
            .arg(FrameAddress(frame), 4, 16, QChar('0'))
            .toUpper();
    }
    QStringList hex;
    for (std::uint8_t b : frame) hex << QString("%1").arg(b, 2, 16, QChar('0'));
    return hex.join(' ');
}

struct LinkBench {
    explicit LinkBench(bool factory = false)
        : radio(port), codeplug(std::make_unique<Codeplug>()), factoryMode(factory) {
        reporter.texts = {{2002, "port error"}, {2003, "retry?"},      {2004, "read ok"},
                          {2005, "write ok"},   {2006, "read failed"}, {2007, "write failed"},
                          {2008, "info failed"}};
        engine = std::make_unique<LinkEngine>(LinkContext{
            *codeplug, features, testData, factoryMode, settings, port, timer, reporter, host});
    }

    // Plays the event loop: queued arrivals first, then the timer, then the person answering
    // an open question (Retry/Cancel from the reporter's script, the password from the
    // host's), until nothing is left. Returns the number of time-outs that fired.
    int run(int limit = 100000, bool answerQuestions = true) {
        const int before = timer.expiries();
        for (int i = 0; i < limit; ++i) {
            if (port.deliverNext()) continue;
            if (timer.expire()) continue;
            if (!answerQuestions || !answerQuestion()) break;
        }
        return timer.expiries() - before;
    }
    // Runs until the engine waits on a question (or nothing is left).
    int runToQuestion() { return run(100000, false); }

    // Answers the open question from the scripts. False when none is open.
    bool answerQuestion() {
        LinkAnswers* to = host.answers;
        const std::string question = host.openQuestion;
        if (!to || question.empty()) return false;
        host.answers = nullptr;
        host.openQuestion.clear();
        if (question == "retry") {
            to->answerRetry(reporter.ask(Severity::Warning, host.retryText, Buttons::RetryCancel,
                                         {}) == Answer::Retry);
        } else {
            to->answerPassword(host.nextPassword());
        }
        return true;
    }

    QStringList frames(std::size_t from = 0) const {
        QStringList names;
        for (std::size_t i = from; i < port.sent.size(); ++i) names << Describe(port.sent[i].frame);
        return names;
    }
    QStringList shown() const {
        QStringList texts;
        for (const auto& s : reporter.shown) texts << QString::fromStdString(s.text);
        return texts;
    }

    FakeSerialPort port;
    FakeTimer timer;
    ScriptedRadio radio;
    RecordingReporter reporter;
    RecordingLinkHost host;
    std::unique_ptr<Codeplug> codeplug;
    FeatureFlags features;
    TestData testData{};
    PortSettings settings{PortId::Number(1), 0, 1};
    bool factoryMode = false;
    std::unique_ptr<LinkEngine> engine;
};

}  // namespace torvik::test
