// What a report is made from: the codeplug, the texts of the language in use and the time it
// is printed; with the small text look-ups every section uses.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "aggregate/codeplug.h"
#include "app/language_texts.h"
#include "platform/reporter.h"
#include "report/print_items.h"

namespace torvik {

struct ReportSource {
    const Codeplug& codeplug;
    const LanguageTexts& texts;
    std::string dateTime;  // the date, four blanks and the time, as the platform writes them
};

// The texts of one report. Also a Reporter for the shared text rules that take one; printing
// shows no messages, so whatever they would report is dropped.
class ReportWords : public Reporter {
  public:
    explicit ReportWords(const LanguageTexts& texts) : texts_(texts) {}

    const LanguageTexts& texts() const { return texts_; }
    // LangText(key).
    std::string key(int key) const { return texts_.langText(key); }
    // Entry `number` of section "OPTION", and the entry of a key held as text ("60302").
    std::string option(int number) const;
    std::string option(std::string_view key) const;
    std::string print(TextId text) const;
    // "OFF" for 0, "ON" for 1, nothing else.
    std::string onOff(int state) const;

    Language language() const override { return texts_.language(); }
    std::string langText(int key) const override { return texts_.langText(key); }
    void show(Severity, std::string_view, std::string_view) override {}
    Answer ask(Severity, std::string_view, Buttons, std::string_view) override {
        return Answer::Cancel;
    }

  private:
    const LanguageTexts& texts_;
};

// Entry `position` of `list`, or nothing when there is no such entry.
std::string Entry(const std::vector<std::string>& list, int position);

// Entry `position`, or the first entry when the list has no such entry: how a list shows a
// value it lacks.
std::string EntryOrFirst(const std::vector<std::string>& list, int position);

// The decimal numbers first..last.
std::vector<std::string> NumberTexts(int first, int last);

// The texts of `keys`, in order.
std::vector<std::string> KeyTexts(const ReportWords& words, std::initializer_list<int> keys);
std::vector<std::string> OptionTexts(const ReportWords& words, std::initializer_list<int> numbers);

}  // namespace torvik
