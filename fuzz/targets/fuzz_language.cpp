// Language files: numbered texts and messages looked up, which cuts long values at a
// character boundary and turns GBK into UTF-8. The language a file is loaded for changes no
// lookup, so one parse serves.
#include "app/language_texts.h"
#include "fuzz_targets.h"

namespace torvik::fuzz {

int FuzzLanguage(const std::uint8_t* data, std::size_t size) {
    const LanguageTexts texts = LanguageTexts::Parse(AsText(data, size), Language::Chinese);
    for (const int key : {1, 2, 100, 2002, 9001}) (void)texts.langText(key);
    (void)texts.readMessageText(kMessageSection, kSaveFirstMessageKey);
    return 0;
}

}  // namespace torvik::fuzz
