// Texts of section "OPTION" of the language files, which the selective-calling editors take
// their captions, labels and list items from.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string_view>

#include "app/language_texts.h"
#include "calling/option_section_keys.h"
#include "ui/ui_text.h"

namespace torvik {

inline constexpr std::string_view kOptionTextSection = kOptionSection;

inline QString OptionQ(const LanguageTexts& texts, std::string_view key) {
    return Q(texts.readMessageText(kOptionTextSection, key));
}

inline QStringList OptionItems(const LanguageTexts& texts,
                               std::initializer_list<std::string_view> keys) {
    QStringList items;
    for (std::string_view key : keys) items << OptionQ(texts, key);
    return items;
}

// The same by the keys' numbers (calling/option_section_keys.h).
inline QString OptionQ(const LanguageTexts& texts, int key) {
    return OptionQ(texts, OptionKeyText(key));
}
inline QStringList OptionItems(const LanguageTexts& texts, std::initializer_list<int> keys) {
    QStringList items;
    for (int key : keys) items << OptionQ(texts, key);
    return items;
}

}  // namespace torvik
