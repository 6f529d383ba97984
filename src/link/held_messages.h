// A Reporter that holds the messages it is given instead of showing them, until flush()
// passes them on in order. The link shows the messages of a connection only once it is over,
// when no serial or timer notification can reach it any more; the language and its texts
// come from the reporter behind.
#pragma once

#include <string>
#include <vector>

#include "platform/reporter.h"

namespace torvik {

class HeldMessages final : public Reporter {
  public:
    explicit HeldMessages(Reporter& behind) : behind_(behind) {}

    Language language() const override { return behind_.language(); }
    std::string langText(int key) const override { return behind_.langText(key); }
    void show(Severity severity, std::string_view text, std::string_view = {}) override {
        held_.push_back({severity, std::string(text), {}});
    }
    void showDetailed(Severity severity, std::string_view text, std::string_view detail) override {
        held_.push_back({severity, std::string(text), std::string(detail)});
    }
    // Nothing may ask while its messages are held: a question would have to block.
    Answer ask(Severity, std::string_view, Buttons, std::string_view) override {
        return Answer::Cancel;
    }

    // Shows every held message on the reporter behind, in order.
    void flush() {
        std::vector<Held> messages;
        messages.swap(held_);
        for (const Held& m : messages) behind_.showDetailed(m.severity, m.text, m.detail);
    }
    void clear() { held_.clear(); }

  private:
    struct Held {
        Severity severity;
        std::string text;
        std::string detail;
    };
    Reporter& behind_;
    std::vector<Held> held_;
};

}  // namespace torvik
