// The shipped language files as the windows under test read them. A test that includes this
// names the source's data folder in TORVIK_DATA_DIR.
#pragma once

#include <filesystem>

#include "app/language_texts.h"

namespace torvik::test {

inline LanguageTexts DataTexts(Language language) {
    const char* file = language == Language::Chinese ? "chinese.ini" : "english.ini";
    return LanguageTexts::Load(std::filesystem::path(TORVIK_DATA_DIR) / "language" / file,
                               language);
}

}  // namespace torvik::test
