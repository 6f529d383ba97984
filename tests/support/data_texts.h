// The shipped language files as the windows under test read them. A test that includes this
// names the source's data folder in TORVIK_DATA_DIR.
#pragma once

#include <QtTest>
#include <filesystem>

#include "app/language_texts.h"

namespace torvik::test {

inline LanguageTexts DataTexts(Language language) {
    const char* file = language == Language::Chinese ? "chinese.ini" : "english.ini";
    return LanguageTexts::Load(std::filesystem::path(TORVIK_DATA_DIR) / "language" / file,
                               language);
}

// Data rows for a test run once in each language: a column "language" holding the
// Language as an int.
inline void LanguageRows() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << int(Language::English);
    QTest::newRow("Chinese") << int(Language::Chinese);
}

}  // namespace torvik::test
