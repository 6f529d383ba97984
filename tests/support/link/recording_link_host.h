// A LinkHost for tests: records what the engine asked of the program around it and answers
// the password dialog from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "link/link_host.h"

namespace torvik::test {

class RecordingLinkHost : public LinkHost {
  public:
    // What happened, in order: "save?", "open <caption>", "caption <text>", "close",
    // "password", "saved <port> <handshake> <stop bits>", "read done", "info done",
    // "finished <mode> ok|failed|cancelled". Progress values are kept apart.
    std::vector<std::string> events;
    std::vector<int> progress;
    std::vector<FeatureFlags> featureUpdates;
    std::vector<PortSettings> savedSettings;

    std::deque<std::optional<std::string>> passwords;  // typed in order; Cancel when out
    std::vector<PortId> candidates;
    bool progressOpen = false;

    // The question the engine waits on, for the bench to answer: "retry" or "password".
    std::string openQuestion;
    std::string retryText;
    LinkAnswers* answers = nullptr;
    int withdrawn = 0;

    void offerSaveBeforeRead() override { events.push_back("save?"); }
    void openProgress(std::string_view caption) override {
        progressOpen = true;
        events.push_back("open " + std::string(caption));
    }
    void setProgressCaption(std::string_view caption) override {
        events.push_back("caption " + std::string(caption));
    }
    void setProgressValue(int percent) override { progress.push_back(percent); }
    void closeProgress() override {
        progressOpen = false;
        events.push_back("close");
    }
    void askRetry(std::string_view text, LinkAnswers& to) override {
        openQuestion = "retry";
        retryText = std::string(text);
        answers = &to;
    }
    void askPassword(std::string_view, LinkAnswers& to) override {
        events.push_back("password");
        openQuestion = "password";
        answers = &to;
    }
    void withdrawQuestion() override {
        ++withdrawn;
        openQuestion.clear();
        answers = nullptr;
    }
    // The next typed password from the script; Cancel when it has run out.
    std::optional<std::string> nextPassword() {
        if (passwords.empty()) return std::nullopt;
        std::optional<std::string> typed = passwords.front();
        passwords.pop_front();
        return typed;
    }
    std::vector<PortId> searchCandidates() override { return candidates; }
    void savePortSettings(const PortSettings& s) override {
        savedSettings.push_back(s);
        events.push_back("saved " + s.port.displayName() + " " + std::to_string(s.HandshakeMode) +
                         " " + std::to_string(s.StopBits));
    }
    void featuresChanged(const FeatureFlags& flags) override { featureUpdates.push_back(flags); }
    void readCompleted() override { events.push_back("read done"); }
    void infoReadCompleted() override { events.push_back("info done"); }
    void sessionFinished(LinkMode mode, SessionEnd end) override {
        events.push_back(finishedEvent(mode, end));
    }

    bool finishedWith(LinkMode mode, bool success) const {
        return finishedWith(mode, success ? SessionEnd::Success : SessionEnd::Failure);
    }
    bool finishedWith(LinkMode mode, SessionEnd end) const {
        return !events.empty() && events.back() == finishedEvent(mode, end);
    }

    static std::string finishedEvent(LinkMode mode, SessionEnd end) {
        const char* how = end == SessionEnd::Success   ? " ok"
                          : end == SessionEnd::Failure ? " failed"
                                                       : " cancelled";
        return "finished " + std::to_string(static_cast<int>(mode)) + how;
    }
};

}  // namespace torvik::test
