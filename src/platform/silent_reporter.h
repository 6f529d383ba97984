// A Reporter that shows nothing and answers every question with one fixed button: for work
// done on the side (a backup, the image a write is about to send) whose caller says in its
// own words what went wrong, and for code run with nobody at the controls.
#pragma once

#include <string>

#include "platform/reporter.h"

namespace torvik {

class SilentReporter final : public Reporter {
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

}  // namespace torvik
