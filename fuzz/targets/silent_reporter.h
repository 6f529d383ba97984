// A Reporter that shows nothing and answers every question with one fixed button, so a
// target can run code that reports without a person at the controls.
#pragma once

#include <string>

#include "platform/reporter.h"

namespace torvik::fuzz {

class SilentReporter : public Reporter {
  public:
    explicit SilentReporter(Answer answer = Answer::Cancel) : answer_(answer) {}
    Language language() const override { return Language::English; }
    std::string langText(int) const override { return {}; }
    void show(Severity, std::string_view, std::string_view) override { ++shown; }
    Answer ask(Severity, std::string_view, Buttons, std::string_view) override { return answer_; }
    int shown = 0;

  private:
    Answer answer_;
};

}  // namespace torvik::fuzz
