#include "report/report_source.h"

namespace torvik {

std::string ReportWords::option(int number) const {
    return option(std::to_string(number));
}

std::string ReportWords::option(std::string_view key) const {
    return texts_.readMessageText(kOptionSection, key);
}

std::string ReportWords::print(TextId text) const {
    return std::string(BuiltInText(text, texts_.language()));
}

std::string ReportWords::onOff(int state) const {
    if (state == 0) return print(TextId::PrintOff);
    if (state == 1) return print(TextId::PrintOn);
    return {};
}

std::string Entry(const std::vector<std::string>& list, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= list.size()) return {};
    return list[static_cast<std::size_t>(position)];
}

std::string EntryOrFirst(const std::vector<std::string>& list, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= list.size()) {
        return list.empty() ? std::string() : list.front();
    }
    return list[static_cast<std::size_t>(position)];
}

std::vector<std::string> NumberTexts(int first, int last) {
    std::vector<std::string> texts;
    for (int n = first; n <= last; ++n) texts.push_back(std::to_string(n));
    return texts;
}

std::vector<std::string> KeyTexts(const ReportWords& words, std::initializer_list<int> keys) {
    std::vector<std::string> texts;
    for (const int k : keys) texts.push_back(words.key(k));
    return texts;
}

std::vector<std::string> OptionTexts(const ReportWords& words, std::initializer_list<int> numbers) {
    std::vector<std::string> texts;
    for (const int n : numbers) texts.push_back(words.option(n));
    return texts;
}

}  // namespace torvik
