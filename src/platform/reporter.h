// The one seam through which core code talks to the person at the controls: messages,
// questions and the texts of the current language. The GUI implements it with message
// boxes, the command-line tool on the terminal, the tests with a scripted recorder.
#pragma once

#include <string>
#include <string_view>

#include "platform/language.h"

namespace torvik {

enum class Severity { Information, Question, Warning, Error };

enum class Buttons { Ok, OkCancel, YesNoCancel, RetryCancel };

enum class Answer { Ok, Cancel, Yes, No, Retry };

class Reporter {
  public:
    virtual ~Reporter() = default;

    // The language every built-in text is chosen in.
    virtual Language language() const = 0;

    // The text of a numbered key of the language file (section "OTHER").
    virtual std::string langText(int key) const = 0;

    // Shows a message with an OK button; `text` is UTF-8 in the current language.
    virtual void show(Severity severity, std::string_view text, std::string_view title = {}) = 0;

    // The same message with the exact technical reason beside it (English, for whoever has
    // to find the cause). A reporter with no place of its own for the reason shows it on a
    // line below the text, so it is never lost.
    virtual void showDetailed(Severity severity, std::string_view text, std::string_view detail) {
        if (detail.empty()) {
            show(severity, text);
        } else {
            show(severity, std::string(text).append("\n").append(detail));
        }
    }

    // Asks a question and returns the button chosen.
    virtual Answer ask(Severity severity, std::string_view text, Buttons buttons,
                       std::string_view title = {}) = 0;
};

}  // namespace torvik
