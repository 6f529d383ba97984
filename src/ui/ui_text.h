// Text at the edge between the core (UTF-8 std::string) and the widgets (QString): the
// language files' texts and the program's own bilingual texts as the widgets show them.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "app/language_texts.h"
#include "platform/built_in_texts.h"
#include "platform/language.h"

namespace torvik {

inline QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string U(const QString& text) {
    return text.toStdString();
}

// A language-file text (section "OTHER") as shown.
inline QString LangQ(const LanguageTexts& texts, int key) {
    return Q(texts.langText(key));
}
// A text of the program's own bilingual table as shown.
inline QString BuiltInQ(TextId id, Language language) {
    return Q(BuiltInText(id, language));
}

}  // namespace torvik
