// A Reporter for tests: records every message and question, answers from a script.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/reporter.h"

namespace torvik::test {

class RecordingReporter : public Reporter {
  public:
    struct Shown {
        Severity severity;
        std::string text;
        std::string detail;  // the technical reason shown beside the text, if any
    };

    Language lang = Language::English;
    std::map<int, std::string> texts;  // language-file keys; missing keys read as "#<key>"
    std::vector<Shown> shown;
    std::vector<std::string> asked;
    std::deque<Answer> answers;  // answered in order; Cancel when the script runs out

    Language language() const override { return lang; }

    std::string langText(int key) const override {
        const auto it = texts.find(key);
        return it != texts.end() ? it->second : "#" + std::to_string(key);
    }

    void show(Severity severity, std::string_view text, std::string_view) override {
        shown.push_back({severity, std::string(text), {}});
    }

    void showDetailed(Severity severity, std::string_view text, std::string_view detail) override {
        shown.push_back({severity, std::string(text), std::string(detail)});
    }

    Answer ask(Severity, std::string_view text, Buttons, std::string_view) override {
        asked.emplace_back(text);
        if (answers.empty()) return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> shownTexts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown) out.push_back(s.text);
        return out;
    }
};

}  // namespace torvik::test
